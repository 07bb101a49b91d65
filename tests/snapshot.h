#pragma once

// A screen described in plain text, one line per named control, as a pupil meets it:
//
//   Cmdstoria QPushButton "STORIA" at 600,1200 size 2400x600 colour #c0c0ff
//
// with the control's class, its caption or text, its state (hidden, disabled, ticked,
// locked), its name for a screen reader where the caption does not say it, its colour,
// and its place and size in the design's twips: the same on every display and locale.
// A test compares the description with tests/snapshots/<name>.ref; run it with
// CENSARIA_UPDATE_SNAPSHOTS=1 to write the references anew, then read their diff.

#include <QStringList>

class QWidget;

namespace censaria::snapshot {

// Every named control under screen, children indented under what holds them.
QStringList describe(const QWidget *screen);

// The control a widget is part of, by name ("Check1[3]"): the edit field inside a combo
// box stands for the combo box.
QString controlName(const QWidget *widget);

// The controls the Tab key visits, from the one with the focus once round, by name
// ("Check1[3]"); where no control has the focus, from the one Tab gives it to.
QStringList keyboardWalk(QWidget *screen);

// Empty when the description matches tests/snapshots/<name>.ref; else a readable diff,
// lines of the reference starting with "-", lines shown now with "+".
QString differences(const QString &name, const QStringList &description);

} // namespace censaria::snapshot
