#pragma once

#include <QString>

class QWidget;

// What screen readers (Orca through AT-SPI, Narrator) read for a control. Buttons and
// tick boxes are read by their caption; boxes, pictures and values need a name, and a
// description where the caption leaves something out.
namespace censaria::accessible {

void name(QWidget *control, const QString &name, const QString &description = QString());
void describe(QWidget *control, const QString &description);
// A name made from a caption on screen: without the arrows, dots and colon that lead
// the eye to the box ("Inserisci l'anno   ---------->" reads "Inserisci l'anno").
QString fromCaption(const QString &caption);

} // namespace censaria::accessible
