#pragma once

#include <QString>

class QColor;
class QComboBox;
class QLabel;
class QSlider;
class QWidget;
class QRect;
class QPushButton;

// The controls the two population screens share, built with the kit's sizes.
namespace censaria::populations {

// A year or lever slider: arrows move it one step, Page Up and Down a page, Home and End to its ends.
QSlider *makeSlider(QWidget *parent, const QString &name, const QRect &twips, int minimum, int maximum, int pageStep,
                    const QString &accessibleName);
// The list of the countries, Italy first.
QComboBox *makeCountryChoice(QWidget *parent, const QString &name, const QRect &twips, const QString &accessibleName);
// "In migliaia" or "In percentuale".
QComboBox *makeUnitChoice(QWidget *parent, const QRect &twips);
// A button of the screen; Enter presses it as Space does.
QPushButton *makeScreenButton(QWidget *parent, const QString &name, const QString &caption, const QRect &twips, const QColor &colour);
// The play button's caption for the state.
QString playCaption(bool playing);

} // namespace censaria::populations
