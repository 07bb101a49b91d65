// The number readers and writer must take any text: no crash, no undefined behaviour,
// and what they give back must make sense.
#include "platform/numbers.h"

#include <QString>
#include <cmath>
#include <cstdlib>

using namespace censaria::numbers;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const double value : {readLeading(text), readLeadingWithRadix(text)}) {
        if (std::isnan(value))
            std::abort();
        (void)toInt16(value);
        (void)toInt32(value);
        if (toText(value).isEmpty())
            std::abort();
        if (std::isfinite(value) && roundHalfEven(value) != roundHalfEven(value))
            std::abort();
    }
    return 0;
}
