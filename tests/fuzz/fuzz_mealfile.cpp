// Meal files of any content: the header test and the parsing of every line must not crash,
// and a parsed meal number is always 0 (keep the previous meal) or 1 to 6.
#include "fuzzinput.h"
#include "mealfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TextFile file = FuzzTextFile(data, size);
    IsValidMealFileHeader(file.lines);
    PassesMealFileNameTest(file.lines.value(0));
    for (const QString &line : file.lines) {
        const MealFileLine parsed = ParseMealFileLine(line);
        FuzzCheck(parsed.meal >= 0 && parsed.meal <= 6);
        FuzzCheck(!parsed.id.isEmpty());
    }
    return 0;
}
