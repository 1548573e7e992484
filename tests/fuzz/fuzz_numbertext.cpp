// The number-text functions over any text: no crash, the formats always produce a number text
// that reads back, and the whole-number reading never overflows.
#include "fuzzinput.h"
#include "numbertext.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const bool numeric = IsNumericText(text);
    const double leading = LeadingNumber(CommaToPoint(text));
    double value = 0;
    FuzzCheck(ReadDecimalText(text, &value) == numeric);
    ParseWholeNumber(text);

    const QString oneDecimal = FormatOneDecimal(leading);
    const QString general = FormatGeneral(leading, QLocale(QLocale::German));
    // Exponent notation is only used outside this range (1e15 - 0.1 rounds up to 1E15).
    if (leading == 0 || (std::fabs(leading) >= 1e-4 && std::fabs(leading) < 1e14)) {
        FuzzCheck(IsNumericText(oneDecimal));
        FuzzCheck(IsNumericText(general));
    }

    // Raw doubles, NaN and infinities included.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        FormatOneDecimal(raw);
        FormatGeneral(raw, QLocale::c());
    }
    return 0;
}
