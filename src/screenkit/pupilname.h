#pragma once

#include <QString>

namespace censaria {

// The archive key of a pupil from what was typed at the name question: blanks
// trimmed, each run of blanks between words shortened (one blank kept for every six
// or part of six), upper case. Only the space character counts as a blank, so that
// keys match the archives written by earlier versions; but a name with nothing a
// person can see (tabs, zero-width spaces and the like only) is empty.
QString normalisePupilName(const QString &answer);

// The length of a name as a person sees it: letters with their accents, emoji made of
// several code points, each counts once.
qsizetype visibleLength(const QString &name);

// The text without the spaces at either end (tabs and other white space stay).
QString trimBlanks(const QString &text);

} // namespace censaria
