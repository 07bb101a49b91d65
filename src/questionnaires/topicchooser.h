#pragma once

#include <QComboBox>

namespace censaria {

// A drop-down list with an edit field that reports only choices made from its list:
// text typed into the field chooses nothing, even when it matches an item.
class TopicChooser : public QComboBox
{
    Q_OBJECT
public:
    TopicChooser(const QStringList &items, const QString &hint, QWidget *parent);

signals:
    void topicChosen(const QString &item);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool typing_ = false;
};

} // namespace censaria
