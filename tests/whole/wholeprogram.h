#pragma once

// Driving the whole program as a pupil does, one step at a time:
//
//   press(program, "Fmenù/Cmdstoria");           // a button, a label used as a button or a menu entry
//   press(program, "FQuestionario/Check1");      // every box of an array at once
//   press(program, "FQuestionario/Check2[3]");   // one box of an array, by its index
//   press(program, "Fgrafici/txtnatal=9.4");     // typing into a text box
//   press(program, "WorldPyramids/Country2=Niger");  // a choice in a list
//   press(program, "PopulationFuture/Children=30");  // a slider moved to a value
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

} // namespace censaria::whole
