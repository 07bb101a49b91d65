#pragma once

#include "pupilrecord.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QCollatorSortKey>
#include <QSortFilterProxyModel>
#include <vector>

namespace censaria::classregister {

// What a column of the register shows.
struct RegisterColumn
{
    enum class Kind { Name, Right, Wrong, Percent, Average };
    Kind kind;
    int topic = -1; // for Right, Wrong and Percent

    static const QList<RegisterColumn> &all();
    QString heading() const;
    QString fullHeading() const;
};

// One row per pupil. A topic never done shows "—"; the date of a result is its tool tip,
// and under the result too while the dates are shown. A mark below 6 comes in red with
// a sign, so that it shows on a black and white page as well.
class RegisterModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static const QString notDone;
    static const QString belowSixSign;
    static const QColor belowSixColour;
    // The numeric value of a cell for sorting and averages; nullopt when not done.
    static constexpr int ValueRole = Qt::UserRole;

    explicit RegisterModel(QObject *parent = nullptr);

    void setRecords(QList<PupilRecord> records);
    const QList<PupilRecord> &records() const { return records_; }
    const PupilRecord &record(int row) const { return records_.at(row); }

    std::optional<double> value(int row, int column) const;
    // The pupil's name as Italian collation orders it.
    const QCollatorSortKey &nameKey(int row) const { return keys_.at(row); }
    // The text of a cell as the table shows it.
    QString text(int row, int column) const;
    QString when(int row, int column) const;
    // A mark on a scale of 10 (a questionnaire's, an exercise's percentage, the average) below 6.
    bool isBelowSix(int row, int column) const;
    // The date of the result under it, in the column that carries the topic's mark.
    void setShowDates(bool show);
    bool showsDates() const { return showDates_; }
    QString shortWhen(int row, int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<PupilRecord> records_;
    std::vector<QCollatorSortKey> keys_;
    bool showDates_ = false;
};

// Sorts by any column (names in Italian collation, a topic not done below every
// result) and keeps the pupils whose name holds the filter text.
class RegisterFilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit RegisterFilter(RegisterModel *model, QObject *parent = nullptr);

    void setNameFilter(const QString &text);
    QString nameFilter() const { return filter_; }
    RegisterModel *registerModel() const { return model_; }
    // The source rows shown now, in the order shown.
    QList<int> shownRows() const;

signals:
    // Once per change of the filter text, after the rows have changed.
    void filterChanged();

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    RegisterModel *model_;
    QString filter_;
};

// Each column's class average over the pupils shown, and how many of them did it.
struct ColumnSummary
{
    std::optional<double> average;
    int pupils = 0;
};
QList<ColumnSummary> summarise(const RegisterModel &model, const QList<int> &rows);
// A column's class average as the register writes it, with the sign when it is a mark below 6.
bool averageBelowSix(int column, const ColumnSummary &summary);
QString averageText(int column, const ColumnSummary &summary);

// The two rows under the table: the class average and how many pupils did each topic.
class SummaryModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit SummaryModel(RegisterFilter *filter, QObject *parent = nullptr);
    const QList<ColumnSummary> &summary() const { return summary_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

signals:
    void recomputed();

private:
    void recompute();
    RegisterFilter *filter_;
    QList<ColumnSummary> summary_;
};

// A number as the register writes it: Italian decimal comma, one decimal.
QString decimal(double value);

} // namespace censaria::classregister
