#pragma once

#include "textfile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The fuzzer's bytes as a file's content, decoded the way every data file is read.
inline TextFile FuzzTextFile(const uint8_t *data, size_t size)
{
    return DecodeTextLines(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
}

// A property that must hold for every input; abort() makes libFuzzer keep the input.
inline void FuzzCheck(bool condition)
{
    if (!condition)
        std::abort();
}
