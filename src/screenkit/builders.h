#pragma once

#include <QObject>
#include <QPushButton>
#include <QRect>
#include <QString>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;

// Every control a screen places is built here, its place given in design twips
// (Twips) on its parent, so that screens differ only in what they say and where.
namespace censaria {

// How a push button looks: its style sheet, its bold type, and the pointing hand.
struct ButtonLook
{
    QString style;
    double points = 9;
    bool pointer = true;
};

// Filled with one colour, white text (filledButtonStyle); the grey when disabled.
ButtonLook filledLook(const QColor &colour, double points = 9, const QColor &disabled = QColor(154, 161, 171), int radiusTwips = 90);

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, const QRect &twips, const ButtonLook &look);

// The same, its clicks going to the receiver's slot or to a function.
template <typename Receiver, typename Slot>
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, const QRect &twips, const ButtonLook &look,
                        Receiver *receiver, Slot slot)
{
    QPushButton *button = makeButton(parent, name, caption, twips, look);
    QObject::connect(button, &QPushButton::clicked, receiver, slot);
    return button;
}

// Names a control (unless the name is empty) and places it; gives it its type.
void place(QWidget *widget, const QString &name, const QRect &twips);
void place(QWidget *widget, const QString &name, const QRect &twips, const QFont &font);

// A caption, or a label of another kind; aligned as asked, or as the label is by default.
template <typename Label = QLabel>
Label *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &twips, const QFont &font, Qt::Alignment alignment = {})
{
    auto *label = new Label(text, parent);
    place(label, name, twips, font);
    if (alignment)
        label->setAlignment(alignment);
    return label;
}

// A label that shows a figure: bold, on one line, aligned as asked.
QLabel *makeResultLabel(QWidget *parent, const QString &name, const QRect &twips, double points, Qt::Alignment alignment);

// A picture drawn from an SVG file to the label's size.
QLabel *makePicture(QWidget *parent, const QString &name, const QRect &twips, const QString &file);

QLineEdit *makeBox(QWidget *parent, const QString &name, const QRect &twips, const QFont &font);

// A box with its prompt on its left, both within the place given: the prompt takes
// promptTwips of it, or just its text's width and a little when none is given.
struct PromptedBox
{
    QLabel *prompt;
    QLineEdit *box;
};
PromptedBox makePromptedBox(QWidget *parent, const QString &name, const QString &prompt, const QRect &twips, const QFont &promptFont,
                            const QFont &boxFont, int promptTwips = 0);

// A plain frame drawn by its style sheet.
QFrame *makeFrame(QWidget *parent, const QString &name, const QRect &twips, const QString &style = {});

// A panel with its title in the top border; the title's colour also tints the border.
QGroupBox *makePanel(QWidget *parent, const QString &name, const QString &title, const QRect &twips, const QColor &background,
                     const QColor &titleColour);

// Colours through the palette, for the controls that take them from there.
void setTextColour(QWidget *widget, const QColor &colour);
void setBackgroundColour(QWidget *widget, const QColor &colour);
void setColours(QWidget *widget, const QColor &text, const QColor &background);

} // namespace censaria
