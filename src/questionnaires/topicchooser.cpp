#include "topicchooser.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace censaria {

TopicChooser::TopicChooser(const QStringList &items, const QString &hint, QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    addItems(items);
    setCurrentIndex(-1);
    setEditText(hint);
    setMaxVisibleItems(items.size());
    connect(this, &QComboBox::textActivated, this, [this](const QString &item) {
        if (!typing_)
            emit topicChosen(item);
    });
}

// The edit field finishing its text (Enter, or leaving it) makes the combo box pick a
// matching item as if chosen; that must not count as a choice.
void TopicChooser::keyPressEvent(QKeyEvent *event)
{
    const bool finishesTyping = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    typing_ = finishesTyping;
    QComboBox::keyPressEvent(event);
    typing_ = false;
}

void TopicChooser::focusOutEvent(QFocusEvent *event)
{
    typing_ = true;
    QComboBox::focusOutEvent(event);
    typing_ = false;
}

} // namespace censaria
