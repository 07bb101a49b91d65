#include "screencatalog.h"

#include "exercises/fesercizi.h"
#include "exercises/fsalditassi.h"
#include "families/ffamiglie.h"
#include "lessons/flezioni.h"
#include "pyramids/fpiramidi.h"
#include "populations/populationfuturescreen.h"
#include "populations/worldpyramidsscreen.h"
#include "questionnaires/fquestionario.h"
#include "register/registerscreen.h"
#include "results/resultsscreen.h"
#include "simulation/fgrafici.h"
#include "screenkit/forms.h"
#include "mainmenu.h"

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
    registry.add(forms::families, [](Module &m) { return new Ffamiglie(m); });
    registry.add(forms::pyramids, [](Module &m) { return new Fpiramidi(m); });
    registry.add(forms::classRegister, [](Module &m) { return new classregister::RegisterScreen(m); });
    registry.add(forms::worldPyramids, [](Module &m) { return new populations::WorldPyramidsScreen(m); });
    registry.add(forms::populationFuture, [](Module &m) { return new populations::PopulationFutureScreen(m); });
}

} // namespace censaria
