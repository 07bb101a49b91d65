#include "populationcontrols.h"

#include "screenkit/accessibility.h"
#include "screenkit/builders.h"
#include "platform/twips.h"
#include "worlddata.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPushButton>
#include <QSlider>

namespace censaria::populations {

QSlider *makeSlider(QWidget *parent, const QString &name, const QRect &twips, int minimum, int maximum, int pageStep,
                    const QString &accessibleName)
{
    auto *slider = new QSlider(Qt::Horizontal, parent);
    place(slider, name, twips);
    slider->setRange(minimum, maximum);
    slider->setSingleStep(1);
    slider->setPageStep(pageStep);
    slider->setFocusPolicy(Qt::StrongFocus);
    slider->setCursor(Qt::PointingHandCursor);
    // Sized from the display, so that the handle is as easy to take on a 4K panel; as wide
    // and as tall as the button that shows a figure full-screen, a finger's width on a board.
    const int groove = Twips::px(80);
    const int handle = std::max(24, Twips::px(330));
    slider->setStyleSheet(QStringLiteral("QSlider::groove:horizontal { height: %1px; background: #c9d3db; border-radius: %2px; }"
                                         "QSlider::sub-page:horizontal { background: #7fb7ac; border-radius: %2px; }"
                                         "QSlider::handle:horizontal { width: %3px; margin: -%4px 0; background: #16806c;"
                                         " border: %5px solid white; border-radius: %6px; }")
                              .arg(groove)
                              .arg(groove / 2)
                              .arg(handle)
                              .arg((handle - groove) / 2)
                              .arg(std::max(1, Twips::px(15)))
                              .arg(handle / 2));
    accessible::name(slider, accessibleName, QStringLiteral("Frecce: un passo; Pagina su e giù: cinque passi; Inizio e Fine: agli estremi"));
    return slider;
}

QComboBox *makeCountryChoice(QWidget *parent, const QString &name, const QRect &twips, const QString &accessibleName)
{
    auto *choice = new QComboBox(parent);
    place(choice, name, twips, Twips::font(10, true));
    for (const Country &c : WorldData::builtIn().countries())
        choice->addItem(c.name, c.code);
    accessible::name(choice, accessibleName);
    accessible::name(choice->view(), QStringLiteral("Elenco dei paesi"));
    return choice;
}

QComboBox *makeUnitChoice(QWidget *parent, const QRect &twips)
{
    auto *choice = new QComboBox(parent);
    place(choice, QStringLiteral("UnitChoice"), twips, Twips::font(9, true));
    choice->addItem(QStringLiteral("Valori in migliaia"));
    choice->addItem(QStringLiteral("Valori in percentuale"));
    accessible::name(choice, QStringLiteral("Unità delle barre"), QStringLiteral("in migliaia di persone o in per cento della popolazione"));
    accessible::name(choice->view(), QStringLiteral("Elenco delle unità"));
    return choice;
}

QPushButton *makeScreenButton(QWidget *parent, const QString &name, const QString &caption, const QRect &twips, const QColor &colour)
{
    QPushButton *button = makeButton(parent, name, caption, twips, filledLook(colour, 9));
    button->setAutoDefault(true);
    return button;
}

QString playCaption(bool playing)
{
    return playing ? QStringLiteral("❚❚ Pausa") : QStringLiteral("▶ Avvia");
}

} // namespace censaria::populations
