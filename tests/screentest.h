#pragma once

// What every test of a screen includes: the program driven through the seam, the form
// names, and the controls the screens are made of.
#include "screenkit/clicklabel.h"
#include "screenkit/forms.h"
#include "testsupport/censariatest.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The screens a pupil reaches, in the order of the main menu.
inline const QStringList pupilForms = {censaria::forms::menu,          censaria::forms::lessons,         censaria::forms::questionnaire,
                                       censaria::forms::rates,         censaria::forms::balances,        censaria::forms::simulation,
                                       censaria::forms::pyramids,      censaria::forms::families,        censaria::forms::results,
                                       censaria::forms::worldPyramids, censaria::forms::populationFuture};
