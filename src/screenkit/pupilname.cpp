#include "pupilname.h"

#include <QStringList>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace censaria {
namespace {

bool allBlanks(QStringView text)
{
    for (QChar c : text)
        if (c != u' ')
            return false;
    return true;
}

// White space, and characters that only steer the text (zero-width spaces and joiners,
// direction marks, controls): nothing of them shows on paper or on screen.
bool invisible(QChar c)
{
    return c.isSpace() || c.category() == QChar::Other_Format || c.category() == QChar::Other_Control;
}

} // namespace

qsizetype visibleLength(const QString &name)
{
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, name);
    qsizetype count = 0;
    while (graphemes.toNextBoundary() >= 0)
        ++count;
    return count;
}

QString trimBlanks(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == u' ')
        ++start;
    while (end > start && text[end - 1] == u' ')
        --end;
    return text.mid(start, end - start);
}

QString normalisePupilName(const QString &answer)
{
    const QString text = trimBlanks(answer);
    const qsizetype length = text.size();
    QStringList words{QString()};
    for (qsizetype i = 0; i < length; ++i) {
        words.last().append(text[i]);
        // The first blank of a run stays with the word before it; the rest of a run of
        // up to six is skipped, and a longer run starts a new piece every six blanks.
        bool runFound = false;
        for (int run = 6; run >= 2 && !runFound; --run) {
            const QStringView ahead = QStringView(text).mid(i, run);
            if (ahead.size() == run && allBlanks(ahead)) {
                i += run - 1;
                runFound = true;
            }
        }
        if (runFound || text[i] == u' ')
            words.append(QString());
    }
    const QString name = trimBlanks(words.join(QString())).toUpper();
    return std::all_of(name.cbegin(), name.cend(), invisible) ? QString() : name;
}

} // namespace censaria
