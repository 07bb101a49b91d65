#include "resultcheck.h"

#include "schema.h"

#include <QHash>
#include <algorithm>

namespace censaria {
namespace {

const QString storedDateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

std::optional<qint64> countOf(const QVariant &value)
{
    if (value.isNull() || value.typeId() == QMetaType::Double || value.typeId() == QMetaType::QDateTime)
        return std::nullopt;
    bool ok = false;
    const qint64 count = value.toLongLong(&ok);
    return ok ? std::optional<qint64>(count) : std::nullopt;
}

QDateTime dateOf(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime();
    if (value.typeId() == QMetaType::QString)
        return QDateTime::fromString(value.toString(), storedDateFormat);
    return {};
}

bool isName(const QString &name)
{
    if (name.trimmed().isEmpty() || name.size() > resultlimits::maxNameLength)
        return false;
    return std::none_of(name.begin(), name.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

// Right, wrong and the percentage right as the exercises count them: the percentage
// rounded either way, 0 before any answer.
bool exerciseCountsHold(qint64 right, qint64 wrong, qint64 percent)
{
    using resultlimits::exerciseCountMax;
    if (right < 0 || wrong < 0 || right > exerciseCountMax || wrong > exerciseCountMax || percent < 0 || percent > 100)
        return false;
    const qint64 answers = right + wrong;
    return answers == 0 ? percent == 0 : std::abs(percent * answers - 100 * right) < answers;
}

} // namespace

QDateTime resultlimits::earliest()
{
    return QDateTime(QDate(2000, 1, 1), QTime(0, 0));
}

QList<QList<int>> resultPositions(const schema::Table &table)
{
    QList<QList<int>> groups;
    QList<int> group;
    for (int position = 0; position < table.columns.size(); ++position) {
        const schema::ColumnType type = table.columns[position].type;
        if (type == schema::ColumnType::Text)
            continue; // the name and the note
        group.append(position);
        if (type == schema::ColumnType::DateTime)
            groups.append(std::exchange(group, {}));
    }
    return groups;
}

std::optional<QList<ResultGroup>> checkedResults(const QString &tableName, const QString &name, const QList<std::pair<int, QVariant>> &values,
                                                 const QDateTime &now, QString *why)
{
    const auto refuse = [why](const QString &reason) {
        *why = reason;
        return std::nullopt;
    };
    const schema::Table *table = schema::find(tableName);
    if (!table)
        return refuse(QStringLiteral("la tabella «%1» non è dell'archivio").arg(tableName));
    if (!isName(name))
        return refuse(QStringLiteral("il nome dell'alunno non è valido"));
    QHash<int, QVariant> byPosition;
    for (const auto &[position, value] : values) {
        if (byPosition.contains(position))
            return refuse(QStringLiteral("la posizione %1 compare due volte").arg(position));
        byPosition.insert(position, value);
    }
    QList<ResultGroup> results;
    const bool questionnaire = table == &schema::questionari();
    for (const QList<int> &positions : resultPositions(*table)) {
        const auto present = std::count_if(positions.begin(), positions.end(), [&](int p) { return byPosition.contains(p); });
        if (present == 0)
            continue;
        if (present != positions.size())
            return refuse(QStringLiteral("il risultato alla posizione %1 è incompleto").arg(positions.first()));
        ResultGroup result{positions.first(), {}, dateOf(byPosition.take(positions.last()))};
        for (int i = 0; i + 1 < positions.size(); ++i) {
            const std::optional<qint64> count = countOf(byPosition.take(positions[i]));
            if (!count)
                return refuse(QStringLiteral("alla posizione %1 manca un numero").arg(positions[i]));
            result.counts.append(*count);
        }
        const bool inRange = questionnaire ? result.counts[0] >= 0 && result.counts[0] <= resultlimits::questionnaireMax
                                           : exerciseCountsHold(result.counts[0], result.counts[1], result.counts[2]);
        if (!inRange)
            return refuse(QStringLiteral("i numeri del risultato alla posizione %1 non sono possibili").arg(positions.first()));
        if (!result.date.isValid() || result.date < resultlimits::earliest()
            || (now.isValid() && result.date > now.addSecs(resultlimits::clockSkewMinutes * 60)))
            return refuse(QStringLiteral("la data del risultato alla posizione %1 non è possibile").arg(positions.first()));
        results.append(result);
    }
    if (!byPosition.isEmpty())
        return refuse(QStringLiteral("la posizione %1 non è quella di un risultato").arg(std::ranges::min(byPosition.keys())));
    return results;
}

} // namespace censaria
