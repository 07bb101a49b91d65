#include "frozencolumn.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>

namespace censaria::classregister {

FrozenColumn::FrozenColumn(QTableView *table)
    : QTableView(table)
    , table_(table)
{
    setObjectName(table->objectName() + QStringLiteral("Names"));
    setModel(table->model());
    setSelectionModel(table->selectionModel());
    setSelectionBehavior(table->selectionBehavior());
    setSelectionMode(table->selectionMode());
    setFocusPolicy(Qt::NoFocus);
    setFont(table->font());
    setPalette(table->palette());
    setAlternatingRowColors(table->alternatingRowColors());
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(table->verticalHeader()->defaultSectionSize());
    horizontalHeader()->setHidden(table->horizontalHeader()->isHidden());
    horizontalHeader()->setFont(QFont(table->horizontalHeader()->font()));
    horizontalHeader()->setDefaultAlignment(table->horizontalHeader()->defaultAlignment());
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameStyle(QFrame::NoFrame);
    for (int column = 1; column < model()->columnCount(); ++column)
        setColumnHidden(column, true);

    // Sorting by name from this heading sorts the table, whose heading shows how.
    horizontalHeader()->setSortIndicatorShown(table->isSortingEnabled());
    horizontalHeader()->setSectionsClickable(table->isSortingEnabled());
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [table](int) {
        QHeaderView *header = table->horizontalHeader();
        const bool ascending = header->sortIndicatorSection() == 0 && header->sortIndicatorOrder() == Qt::AscendingOrder;
        table->sortByColumn(0, ascending ? Qt::DescendingOrder : Qt::AscendingOrder);
    });
    connect(table->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [this](int section, Qt::SortOrder order) { horizontalHeader()->setSortIndicator(section == 0 ? 0 : -1, order); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, table->verticalScrollBar(), &QScrollBar::setValue);
    connect(table->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    connect(table->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (section == 0) {
            setColumnWidth(0, size);
            place();
        }
    });
    // Rows as tall as the table's, when the dates make them taller.
    connect(table->verticalHeader(), &QHeaderView::sectionResized, this,
            [this] { verticalHeader()->setDefaultSectionSize(table_->verticalHeader()->defaultSectionSize()); });
    table->viewport()->stackUnder(this);
    table->installEventFilter(this);
    setColumnWidth(0, table->columnWidth(0));
    place();
}

void FrozenColumn::place()
{
    const int frame = table_->frameWidth();
    const int header = table_->horizontalHeader()->isHidden() ? 0 : table_->horizontalHeader()->height();
    horizontalHeader()->setFixedHeight(header);
    setGeometry(frame, frame, table_->columnWidth(0), table_->viewport()->height() + header);
}

bool FrozenColumn::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == table_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest))
        place();
    return QTableView::eventFilter(watched, event);
}

} // namespace censaria::classregister
