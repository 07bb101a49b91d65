#pragma once

// Driving the whole program as a pupil does, one step at a time:
//
//   press(program, "Fmenù/Cmdstoria");           // a button, a label used as a button or a menu entry
//   press(program, "FQuestionario/Check1");      // every box of an array at once
//   press(program, "FQuestionario/Check2[3]");   // one box of an array, by its index
//   press(program, "Fgrafici/txtnatal=9.4");     // typing into a text box
//
// A step fails, with a warning saying why, when the pupil could not do it: the form is
// not on screen, or the control is missing or disabled.

#include "screentest.h"

#include <QStringList>

namespace censaria::whole {

bool press(TestProgram &program, const QString &step);
// Every step in order; stops at the first that fails.
bool pressAll(TestProgram &program, const QStringList &steps);

// The screens shown now, sorted.
QStringList shown(TestProgram &program);

// What a pupil sees of a screen: the text, ticks, colours and enabled states of its named
// controls, the points of a graph and the bars of a pyramid, one line per control.
QStringList describe(const Screen *screen);

} // namespace censaria::whole
