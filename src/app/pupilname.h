#pragma once

#include <QString>

namespace censaria {

// The archive key of a pupil from what was typed at the name question: blanks
// trimmed, each run of blanks between words shortened (one blank kept for every six
// or part of six), upper case. Only the space character counts as a blank, so that
// keys match the archives written by earlier versions.
QString normalisePupilName(const QString &answer);

// The text without the spaces at either end (tabs and other white space stay).
QString trimBlanks(const QString &text);

} // namespace censaria
