#include "builders.h"

#include "buttonstyle.h"
#include "svgpicture.h"
#include "platform/twips.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace censaria {

namespace {

QRect pixels(const QRect &twips)
{
    return Twips::rect(twips.x(), twips.y(), twips.width(), twips.height());
}

} // namespace

ButtonLook filledLook(const QColor &colour, double points, const QColor &disabled, int radiusTwips)
{
    return {filledButtonStyle(colour, disabled, radiusTwips), points};
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, const QRect &twips, const ButtonLook &look)
{
    auto *button = new QPushButton(caption, parent);
    place(button, name, twips, Twips::font(look.points, true));
    button->setStyleSheet(look.style);
    if (look.pointer)
        button->setCursor(Qt::PointingHandCursor);
    return button;
}

void place(QWidget *widget, const QString &name, const QRect &twips)
{
    if (!name.isEmpty())
        widget->setObjectName(name);
    widget->setGeometry(pixels(twips));
}

void place(QWidget *widget, const QString &name, const QRect &twips, const QFont &font)
{
    place(widget, name, twips);
    widget->setFont(font);
}

QLabel *makeResultLabel(QWidget *parent, const QString &name, const QRect &twips, double points, Qt::Alignment alignment)
{
    return makeLabel(parent, name, QString(), twips, Twips::font(points, true), alignment);
}

QLabel *makePicture(QWidget *parent, const QString &name, const QRect &twips, const QString &file)
{
    auto *picture = new QLabel(parent);
    place(picture, name, twips);
    picture->setPixmap(QPixmap::fromImage(svgPicture(file, picture->size(), pictureCacheFolder())));
    return picture;
}

QLineEdit *makeBox(QWidget *parent, const QString &name, const QRect &twips, const QFont &font)
{
    auto *box = new QLineEdit(parent);
    place(box, name, twips, font);
    return box;
}

PromptedBox makePromptedBox(QWidget *parent, const QString &name, const QString &text, const QRect &twips, const QFont &promptFont,
                            const QFont &boxFont, int promptTwips)
{
    auto *prompt = new QLabel(text, parent);
    prompt->setFont(promptFont);
    const QRect whole = pixels(twips);
    const int promptWidth = promptTwips > 0 ? Twips::px(promptTwips) : prompt->fontMetrics().horizontalAdvance(text) + Twips::px(90);
    prompt->setGeometry(whole.x(), whole.y(), promptWidth, whole.height());
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    // Each part rounded on its own, as every place in twips is.
    box->setGeometry(promptTwips > 0 ? pixels(twips.adjusted(promptTwips, 0, 0, 0)) : whole.adjusted(promptWidth, 0, 0, 0));
    box->setFont(boxFont);
    prompt->setBuddy(box);
    return {prompt, box};
}

QFrame *makeFrame(QWidget *parent, const QString &name, const QRect &twips, const QString &style)
{
    auto *frame = new QFrame(parent);
    place(frame, name, twips);
    if (!style.isEmpty())
        frame->setStyleSheet(style);
    return frame;
}

QGroupBox *makePanel(QWidget *parent, const QString &name, const QString &title, const QRect &twips, const QColor &background,
                     const QColor &titleColour)
{
    auto *panel = new QGroupBox(title, parent);
    place(panel, name, twips, Twips::font(10, true));
    panel->setStyleSheet(QStringLiteral("QGroupBox#%1 { background: %2; border: 2px solid %3; border-radius: 8px; margin-top: %4px; }"
                                        "QGroupBox#%1::title { subcontrol-origin: margin; left: %5px; color: %6; }")
                             .arg(name, background.name(), titleColour.lighter(170).name())
                             .arg(Twips::px(150))
                             .arg(Twips::px(200))
                             .arg(titleColour.name()));
    return panel;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    widget->setPalette(p);
}

void setBackgroundColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Base, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void setColours(QWidget *widget, const QColor &text, const QColor &background)
{
    setTextColour(widget, text);
    setBackgroundColour(widget, background);
}

} // namespace censaria
