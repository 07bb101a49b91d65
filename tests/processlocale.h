#pragma once

#include <QByteArray>
#include <QList>
#include <clocale>

namespace censaria::test {

// The locales of the computers the program meets: the C library reads and writes
// numbers with a point in some, with a comma in others. The build compiles them all
// into the folder LOCPATH names.
inline QList<QByteArray> processLocales()
{
    return {"C", "C.UTF-8", "it_IT.UTF-8", "de_DE.UTF-8", "en_US.UTF-8"};
}

// Switches the whole process to a locale, as Qt does at start-up from the environment,
// and back to the locale it found when it goes. A locale that cannot be set is the
// caller's failure to report: the test would otherwise prove nothing.
class ProcessLocale
{
public:
    ProcessLocale()
        : previous_(std::setlocale(LC_ALL, nullptr))
    {
    }
    ~ProcessLocale() { std::setlocale(LC_ALL, previous_.constData()); }
    ProcessLocale(const ProcessLocale &) = delete;
    ProcessLocale &operator=(const ProcessLocale &) = delete;

    bool use(const QByteArray &name) { return std::setlocale(LC_ALL, name.constData()) != nullptr; }

private:
    QByteArray previous_;
};

} // namespace censaria::test
