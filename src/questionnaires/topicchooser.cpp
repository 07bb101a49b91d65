#include "topicchooser.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLineEdit>

namespace censaria {
namespace {

// Read by its name, "Scegli il questionario", and by the questionnaire chosen: on Linux a
// combo box is otherwise read by the text in its field, the hint with its arrow.
class TopicChooserAccessible : public QAccessibleWidget
{
public:
    explicit TopicChooserAccessible(TopicChooser *chooser)
        : QAccessibleWidget(chooser, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto *chooser = static_cast<TopicChooser *>(widget());
        if (t == QAccessible::Value)
            return chooser->currentIndex() >= 0 ? chooser->currentText() : QString();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction())
            static_cast<TopicChooser *>(widget())->showPopup();
    }
};

QAccessibleInterface *topicChooserAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("censaria::TopicChooser"))
        if (auto *chooser = qobject_cast<TopicChooser *>(object))
            return new TopicChooserAccessible(chooser);
    return nullptr;
}

} // namespace

TopicChooser::TopicChooser(const QStringList &items, const QString &hint, QWidget *parent)
    : QComboBox(parent)
{
    static const bool announced = (QAccessible::installFactory(topicChooserAccessible), true);
    Q_UNUSED(announced);
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
