#include "archive/resultsscreen.h"
#include "forms.h"
#include "lessons/flezioni.h"
#include "exercises/fesercizi.h"
#include "exercises/fsalditassi.h"
#include "mainmenu.h"
#include "questionnaires/fquestionario.h"
#include "screenregistry.h"
#include "simulation/fgrafici.h"

namespace censaria {

void registerScreens(ScreenRegistry &registry)
{
    registry.add(forms::menu, [](Module &m) { return new MainMenu(m); });
    registry.add(forms::simulation, [](Module &m) { return new Fgrafici(m); });
    registry.add(forms::questionnaire, [](Module &m) { return new FQuestionario(m); });
    registry.add(forms::lessons, [](Module &m) { return new FLezioni(m); });
    registry.add(forms::rates, [](Module &m) { return new Fesercizi(m); });
    registry.add(forms::balances, [](Module &m) { return new FSaldiTassi(m); });
    registry.add(forms::results, [](Module &m) { return new ResultsScreen(m); });
}

} // namespace censaria
