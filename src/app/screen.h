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
    // The full display, or only the top left corner at the designed size (in twips).
    enum class Placement { FullDisplay, DesignSize };

    Screen(Module &module, const QString &formName, Placement placement, QSize designTwips = {});

    QString formName() const { return objectName(); }
    Module &module() const { return module_; }

    // Shows the screen in front, placed as it places itself.
    void showScreen();

    // The designed page that holds the controls: centred on a full-display screen
    // whose display is wider or taller than the design, the whole window otherwise.
    QWidget *canvas() const { return canvas_; }

    // Fits the texts again after the pupil changed the size of the type.
    void fitTextsAgain() { fitTexts(); }

protected:
    void resizeEvent(QResizeEvent *event) override;
    // Esc leaves the screen as its back button does.
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
    Placement placement_;
    QSize designTwips_;
    QWidget *canvas_;
    QWidget *focusOnOpen_ = nullptr;
    FocusRing *focusRing_;
};

} // namespace censaria
