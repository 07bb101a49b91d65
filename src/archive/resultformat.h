#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

// How stored results are written on screen and on paper.
namespace censaria::resultformat {

// The Italian general date form: the date, then the time of day unless it is midnight
// ("12/03/2026 10:30:00", "13/03/2026").
QString generalDate(const QDateTime &when);

// A grid cell: a count never recorded shows "0", a date never recorded shows nothing;
// numbers are plain digits and dates take the general form.
QString gridCount(const QVariant &value);
QString gridDate(const QVariant &value);

// A value on the printed page: a number between two blanks (a negative one with its
// sign instead of the first), a date in the general form, a text as stored, and the
// word Null for a value never recorded.
QString printed(const QVariant &value);

} // namespace censaria::resultformat
