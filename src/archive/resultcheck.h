#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>
#include <optional>

namespace censaria {

namespace schema {
struct Table;
}

// One result as the server's record function takes it: the position of its first
// count, its counts in order, and when it was recorded.
struct ResultGroup
{
    int first = 0;
    QList<qint64> counts;
    QDateTime date;
};

// What a result may hold, here and in the server's record function alike: the counts
// the program can produce, dates neither before the program's time nor later than the
// clock plus a small skew between PCs.
namespace resultlimits {
inline constexpr int questionnaireMax = 10;
inline constexpr int exerciseCountMax = 10000;
inline constexpr int clockSkewMinutes = 15;
inline constexpr int maxNameLength = 240; // characters: 60 letters, each with its accents
QDateTime earliest();
} // namespace resultlimits

// The results of a table: for each, the positions of its counts followed by its date.
QList<QList<int>> resultPositions(const schema::Table &table);

// Splits the values of one write into whole results and checks each as the server
// does: a table of the archive, a pupil's name, every result complete (its counts and
// its date, nothing else), counts in range, a date not absurd and, unless now is
// invalid, not later than now plus the skew. nullopt, with the reason in Italian in
// *why, when something does not hold.
std::optional<QList<ResultGroup>> checkedResults(const QString &table, const QString &name, const QList<std::pair<int, QVariant>> &values,
                                                 const QDateTime &now, QString *why);

} // namespace censaria
