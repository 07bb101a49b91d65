#pragma once

#include "screenkit/palette.h"

#include <QColor>
#include <QList>
#include <QString>
#include <utility>

// Text colours of the results screen's label-buttons as the mouse moves about.
namespace censaria::resultshover {

using Colours = QList<std::pair<QString, QColor>>; // label objectName, text colour

// The label under the mouse turns red.
inline const QColor underMouse(255, 0, 0);

// Over the screen's own background: every label-button back to its resting colour.
inline const Colours overBackground = {
    {QStringLiteral("Labtorna"), QColor(255, 192, 255)}, {QStringLiteral("Labesci"), palette::dark::title},
    {QStringLiteral("LabCERCA"), QColor(192, 192, 192)}, {QStringLiteral("LabSTAMPA"), palette::dark::title},
    {QStringLiteral("Labmenù"), QColor(255, 128, 255)},  {QStringLiteral("LabEXPORT"), palette::dark::title},
};

// Over the strip along the bottom: only the labels that stand on it.
inline const Colours overStrip = {
    {QStringLiteral("Labesci"), palette::dark::title},
    {QStringLiteral("LabSTAMPA"), palette::dark::title},
    {QStringLiteral("LabEXPORT"), palette::dark::title},
};

} // namespace censaria::resultshover
