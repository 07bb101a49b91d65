// Any answer to the name question gives a key without blanks at either end, and
// normalising a key again changes nothing.
#include "screenkit/pupilname.h"

#include <QString>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString answer = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString key = censaria::normalisePupilName(answer);
    if (key.startsWith(u' ') || key.endsWith(u' '))
        std::abort();
    if (key.size() > answer.size() * 3 + 3) // upper case may grow a letter (ß), never much more
        std::abort();
    return 0;
}
