#include "screencatalog.h"

#include "exercises/ratesscreen.h"
#include "exercises/balancesscreen.h"
#include "families/familiesscreen.h"
#include "lessons/lessonscreen.h"
#include "pyramids/pyramidsscreen.h"
#include "populations/populationfuturescreen.h"
#include "populations/worldpyramidsscreen.h"
#include "questionnaires/questionnairescreen.h"
#include "register/registerscreen.h"
#include "results/resultsscreen.h"
#include "simulation/simulationscreen.h"
#include "screenkit/forms.h"
#include "mainmenu.h"

namespace censaria {

void registerScreens(ScreenRegistry &registry)
{
    registry.add(forms::menu, [](Module &m) { return new MainMenu(m); });
    registry.add(forms::simulation, [](Module &m) { return new SimulationScreen(m); });
    registry.add(forms::questionnaire, [](Module &m) { return new QuestionnaireScreen(m); });
    registry.add(forms::lessons, [](Module &m) { return new LessonScreen(m); });
    registry.add(forms::rates, [](Module &m) { return new RatesScreen(m); });
    registry.add(forms::balances, [](Module &m) { return new BalancesScreen(m); });
    registry.add(forms::results, [](Module &m) { return new ResultsScreen(m); });
    registry.add(forms::families, [](Module &m) { return new FamiliesScreen(m); });
    registry.add(forms::pyramids, [](Module &m) { return new PyramidsScreen(m); });
    registry.add(forms::classRegister, [](Module &m) { return new classregister::RegisterScreen(m); });
    registry.add(forms::worldPyramids, [](Module &m) { return new populations::WorldPyramidsScreen(m); });
    registry.add(forms::populationFuture, [](Module &m) { return new populations::PopulationFutureScreen(m); });
}

} // namespace censaria
