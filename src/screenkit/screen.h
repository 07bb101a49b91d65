#pragma once

#include <QColor>
#include <QList>
#include <QSize>
#include <QStringList>
#include <QWidget>

class QAbstractButton;
class QLineEdit;

namespace censaria {

class FocusRing;
class Module;

// Base of every form. A screen is created once, then only shown and hidden, so it
// keeps its state between visits. Its objectName is its form name ("Fmenù", ...).
class Screen : public QWidget
{
    Q_OBJECT
public:
    // Every screen covers the whole display in its own colour, its page of the designed
    // size in the middle, so that nothing behind it ever shows beside it.
    Screen(Module &module, const QString &formName);

    QString formName() const { return objectName(); }
    Module &module() const { return module_; }

    // Shows the screen in front, over the whole display.
    void showScreen();

    // The designed page that holds the controls, centred on the display.
    QWidget *canvas() const { return canvas_; }

    // Fits the texts again after the pupil changed the size of the type.
    void fitTextsAgain() { fitTexts(); }

protected:
    void resizeEvent(QResizeEvent *event) override;
    // Esc leaves the screen as its back button does; Enter presses the focused button;
    // F11 shows the screen's figure full-screen.
    void keyPressEvent(QKeyEvent *event) override;
    virtual void escape() { goBack(); }
    // Enter in one of these boxes presses the button, while it can be pressed.
    void submitOnEnter(const QList<QLineEdit *> &boxes, QAbstractButton *button);
    void setBackground(const QColor &colour);
    // The Tab key goes through the controls in the order given, in reading order with
    // answer boxes before the buttons that act on them. focusOnOpen, if given, has the
    // focus whenever the screen opens.
    void setKeyboardOrder(const QList<QWidget *> &controls, QWidget *focusOnOpen = nullptr);
    // The controls of these names on the canvas, in the order given.
    QList<QWidget *> controls(const QStringList &names) const;

    // The shared navigation routines, for the screen's own buttons.
    void goBack();
    void goToMenu();
    void exitProgram();
    void openResults();

private:
    // Labels and tick boxes whose text is wider than the control get a smaller type
    // rather than being cut off: fonts of other systems are wider than the designed ones.
    void fitTexts();

    Module &module_;
    QWidget *canvas_;
    QWidget *focusOnOpen_ = nullptr;
    FocusRing *focusRing_;
};

} // namespace censaria
