#include "registermodel.h"

#include <QCollator>
#include <QLocale>

namespace censaria::classregister {
namespace {

QCollator italianCollator()
{
    QCollator collator{QLocale(QLocale::Italian, QLocale::Italy)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // As an Italian register: "D'ANGELO" among the DA..., "DE LUCA" as DELUCA.
    collator.setIgnorePunctuation(true);
    return collator;
}

QList<RegisterColumn> makeColumns()
{
    using Kind = RegisterColumn::Kind;
    QList<RegisterColumn> columns{{Kind::Name}};
    for (int topic = 0; topic < questionnaireCount; ++topic)
        columns.append({Kind::Right, topic});
    for (int topic = questionnaireCount; topic < topicCount; ++topic) {
        columns.append({Kind::Right, topic});
        columns.append({Kind::Wrong, topic});
        columns.append({Kind::Percent, topic});
    }
    columns.append({Kind::Average});
    return columns;
}

} // namespace

const QList<RegisterColumn> &RegisterColumn::all()
{
    static const QList<RegisterColumn> columns = makeColumns();
    return columns;
}

QString RegisterColumn::heading() const
{
    switch (kind) {
    case Kind::Name: return QStringLiteral("Alunno");
    case Kind::Average: return QStringLiteral("Media");
    case Kind::Right: return isExercise(topic) ? topicShortName(topic) + QStringLiteral("\ngiusti") : topicShortName(topic);
    case Kind::Wrong: return topicShortName(topic) + QStringLiteral("\nsbagli");
    case Kind::Percent: return topicShortName(topic) + QStringLiteral("\n%");
    }
    return {};
}

QString RegisterColumn::fullHeading() const
{
    switch (kind) {
    case Kind::Name: return QStringLiteral("Cognome e nome dell'alunno");
    case Kind::Average: return QStringLiteral("Media su 10 degli argomenti svolti (le esercitazioni contano la loro percentuale divisa per 10)");
    case Kind::Right:
        return isExercise(topic) ? topicName(topic) + QStringLiteral(": risposte giuste")
                                 : QStringLiteral("Questionario «%1»: risposte giuste su 10").arg(topicName(topic));
    case Kind::Wrong: return topicName(topic) + QStringLiteral(": risposte sbagliate");
    case Kind::Percent: return topicName(topic) + QStringLiteral(": percentuale di risposte giuste");
    }
    return {};
}

const QString RegisterModel::notDone = QStringLiteral("—");
const QString RegisterModel::belowSixSign = QStringLiteral("▼");
const QColor RegisterModel::belowSixColour(176, 0, 0);

namespace {

// The columns that hold a mark on a scale of 10: a questionnaire's right answers, an
// exercise's percentage, the average.
bool holdsMark(const RegisterColumn &c)
{
    using Kind = RegisterColumn::Kind;
    return c.kind == Kind::Average || c.kind == Kind::Percent || (c.kind == Kind::Right && !isExercise(c.topic));
}

} // namespace

RegisterModel::RegisterModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void RegisterModel::setRecords(QList<PupilRecord> records)
{
    beginResetModel();
    records_ = std::move(records);
    keys_.clear();
    keys_.reserve(records_.size());
    const QCollator collator = italianCollator();
    for (const PupilRecord &record : records_)
        keys_.push_back(collator.sortKey(record.name));
    endResetModel();
}

std::optional<double> RegisterModel::value(int row, int column) const
{
    const RegisterColumn &c = RegisterColumn::all().at(column);
    const PupilRecord &record = records_.at(row);
    if (c.kind == RegisterColumn::Kind::Average)
        return record.average();
    if (c.kind == RegisterColumn::Kind::Name)
        return std::nullopt;
    const TopicResult &result = record.topics[c.topic];
    if (!result.done)
        return std::nullopt;
    switch (c.kind) {
    case RegisterColumn::Kind::Right: return result.right;
    case RegisterColumn::Kind::Wrong: return result.wrong;
    case RegisterColumn::Kind::Percent: return result.percent;
    default: break;
    }
    return std::nullopt;
}

QString RegisterModel::text(int row, int column) const
{
    const RegisterColumn &c = RegisterColumn::all().at(column);
    if (c.kind == RegisterColumn::Kind::Name)
        return records_.at(row).name;
    const std::optional<double> v = value(row, column);
    if (!v)
        return notDone;
    const QString number = c.kind == RegisterColumn::Kind::Average ? decimal(*v) : QString::number(qRound(*v));
    return isBelowSix(row, column) ? number + u' ' + belowSixSign : number;
}

bool RegisterModel::isBelowSix(int row, int column) const
{
    const RegisterColumn &c = RegisterColumn::all().at(column);
    if (!holdsMark(c))
        return false;
    const std::optional<double> v = value(row, column);
    return v && (c.kind == RegisterColumn::Kind::Percent ? *v < 60 : *v < 6);
}

void RegisterModel::setShowDates(bool show)
{
    if (show == showDates_)
        return;
    showDates_ = show;
    if (!records_.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

QString RegisterModel::shortWhen(int row, int column) const
{
    const RegisterColumn &c = RegisterColumn::all().at(column);
    if (!showDates_ || c.kind == RegisterColumn::Kind::Average || !holdsMark(c))
        return {};
    const TopicResult &result = records_.at(row).topics[c.topic];
    if (!result.done)
        return {};
    return result.date.isValid() ? result.date.toString(QStringLiteral("dd/MM/yy")) : QStringLiteral("senza data");
}

QString RegisterModel::when(int row, int column) const
{
    const RegisterColumn &c = RegisterColumn::all().at(column);
    if (c.topic < 0)
        return {};
    const TopicResult &result = records_.at(row).topics[c.topic];
    if (!result.done)
        return {};
    if (!result.date.isValid())
        return QStringLiteral("data non registrata");
    return result.date.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" ") + result.time.toString(QStringLiteral("HH:mm"));
}

int RegisterModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(records_.size());
}

int RegisterModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(RegisterColumn::all().size());
}

QVariant RegisterModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole: {
        const QString date = shortWhen(row, column);
        return date.isEmpty() ? text(row, column) : text(row, column) + u'\n' + date;
    }
    case Qt::ForegroundRole: return isBelowSix(row, column) ? QVariant(belowSixColour) : QVariant();
    case Qt::BackgroundRole: return isBelowSix(row, column) ? QVariant(QColor(255, 226, 226)) : QVariant();
    case Qt::ToolTipRole: {
        const RegisterColumn &c = RegisterColumn::all().at(column);
        if (c.topic < 0)
            return {};
        const QString date = when(row, column);
        if (date.isEmpty())
            return QStringLiteral("%1: non ancora svolto").arg(topicName(c.topic));
        const QString done = QStringLiteral("%1: svolto il %2").arg(topicName(c.topic), date);
        return isBelowSix(row, column) ? done + QStringLiteral(" — sotto il 6") : done;
    }
    case Qt::TextAlignmentRole: return column == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignCenter);
    case ValueRole: {
        const std::optional<double> v = value(row, column);
        return v ? QVariant(*v) : QVariant();
    }
    default: return {};
    }
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return RegisterColumn::all().at(section).heading();
    if (role == Qt::ToolTipRole)
        return RegisterColumn::all().at(section).fullHeading();
    return {};
}

RegisterFilter::RegisterFilter(RegisterModel *model, QObject *parent)
    : QSortFilterProxyModel(parent)
    , model_(model)
{
    setSourceModel(model);
}

void RegisterFilter::setNameFilter(const QString &text)
{
    const QString wanted = text.simplified();
    if (wanted == filter_)
        return;
    filter_ = wanted;
    invalidateRowsFilter();
    emit filterChanged();
}

QList<int> RegisterFilter::shownRows() const
{
    QList<int> rows;
    rows.reserve(rowCount());
    for (int row = 0; row < rowCount(); ++row)
        rows.append(mapToSource(index(row, 0)).row());
    return rows;
}

bool RegisterFilter::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const int l = left.row();
    const int r = right.row();
    const int column = left.column();
    if (column > 0) {
        const std::optional<double> a = model_->value(l, column);
        const std::optional<double> b = model_->value(r, column);
        if (a.has_value() != b.has_value())
            return !a.has_value(); // "—" below every result, 0 included
        if (a && *a != *b)
            return *a < *b;
    }
    // Equal results keep the register's order of names.
    const int byName = model_->nameKey(l).compare(model_->nameKey(r));
    return byName != 0 ? byName < 0 : l < r;
}

bool RegisterFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    return filter_.isEmpty() || model_->record(sourceRow).name.contains(filter_, Qt::CaseInsensitive);
}

bool averageBelowSix(int column, const ColumnSummary &summary)
{
    const RegisterColumn &c = RegisterColumn::all().at(column);
    return summary.average && holdsMark(c) && *summary.average < (c.kind == RegisterColumn::Kind::Percent ? 60 : 6);
}

QString averageText(int column, const ColumnSummary &summary)
{
    if (!summary.average)
        return RegisterModel::notDone;
    return averageBelowSix(column, summary) ? decimal(*summary.average) + u' ' + RegisterModel::belowSixSign : decimal(*summary.average);
}

QList<ColumnSummary> summarise(const RegisterModel &model, const QList<int> &rows)
{
    const int columns = model.columnCount();
    QList<ColumnSummary> summary(columns);
    QList<double> sums(columns, 0.0);
    for (const int row : rows) {
        for (int column = 1; column < columns; ++column) {
            if (const std::optional<double> v = model.value(row, column)) {
                sums[column] += *v;
                ++summary[column].pupils;
            }
        }
    }
    summary[0].pupils = int(rows.size());
    for (int column = 1; column < columns; ++column)
        if (summary[column].pupils > 0)
            summary[column].average = sums[column] / summary[column].pupils;
    return summary;
}

SummaryModel::SummaryModel(RegisterFilter *filter, QObject *parent)
    : QAbstractTableModel(parent)
    , filter_(filter)
{
    connect(filter, &QAbstractItemModel::modelReset, this, &SummaryModel::recompute);
    // Not on each range of rows a filter change removes or inserts: once per change.
    connect(filter, &RegisterFilter::filterChanged, this, &SummaryModel::recompute);
    connect(filter, &QAbstractItemModel::layoutChanged, this, &SummaryModel::recompute);
    recompute();
}

void SummaryModel::recompute()
{
    const QList<int> rows = filter_->shownRows();
    QList<ColumnSummary> summary = summarise(*filter_->registerModel(), rows);
    // Sorting alone changes no average: spare the views a repaint.
    const bool same = summary.size() == summary_.size()
                      && std::equal(summary.begin(), summary.end(), summary_.begin(), [](const ColumnSummary &a, const ColumnSummary &b) {
                             return a.pupils == b.pupils && a.average == b.average;
                         });
    if (same)
        return;
    beginResetModel();
    summary_ = std::move(summary);
    endResetModel();
    emit recomputed();
}

int SummaryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

int SummaryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(RegisterColumn::all().size());
}

QVariant SummaryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const ColumnSummary &s = summary_.at(index.column());
    if (role == Qt::TextAlignmentRole)
        return index.column() == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignCenter);
    if (role == Qt::ForegroundRole)
        return index.row() == 0 && averageBelowSix(index.column(), s) ? QVariant(RegisterModel::belowSixColour) : QVariant();
    if (role == Qt::ToolTipRole)
        return index.row() == 0 ? QStringLiteral("La media della classe, sugli alunni che hanno svolto l'argomento")
                                : QStringLiteral("Quanti alunni, fra quelli mostrati, hanno svolto l'argomento");
    if (role != Qt::DisplayRole)
        return {};
    if (index.column() == 0)
        return index.row() == 0 ? QStringLiteral("Media della classe") : QStringLiteral("Alunni (su %1)").arg(s.pupils);
    if (index.row() == 0)
        return averageText(index.column(), s);
    return QString::number(s.pupils);
}

QString decimal(double value)
{
    return QLocale(QLocale::Italian, QLocale::Italy).toString(value, 'f', 1);
}

} // namespace censaria::classregister
