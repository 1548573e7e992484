#pragma once

#include <QtGlobal>

// A small linear congruential generator giving numbers from 0 to 32767, the classic
// rand() of C libraries. Each user gets its own; there is no shared state.
class ShortRandom
{
public:
    explicit ShortRandom(quint32 seed) : m_state(seed) {}

    // The next number, 0..32767.
    int next();

private:
    quint32 m_state;
};
