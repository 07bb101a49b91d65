#pragma once

#include <QTableView>

namespace censaria::classregister {

// Keeps a table's first column (the pupils' names) in place while the other columns
// scroll sideways: a second view of the same model, showing only that column, laid
// over the table and moving up and down with it.
class FrozenColumn : public QTableView
{
    Q_OBJECT
public:
    explicit FrozenColumn(QTableView *table);

    // Follows the table's size and first column's width.
    void place();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTableView *table_;
};

} // namespace censaria::classregister
