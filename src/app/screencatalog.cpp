#include "forms.h"
#include "exercises/fesercizi.h"
#include "exercises/fsalditassi.h"
#include "mainmenu.h"
#include "screenregistry.h"

namespace censaria {

void registerScreens(ScreenRegistry &registry)
{
    registry.add(forms::menu, [](Module &m) { return new MainMenu(m); });
    registry.add(forms::rates, [](Module &m) { return new Fesercizi(m); });
    registry.add(forms::balances, [](Module &m) { return new FSaldiTassi(m); });
}

} // namespace censaria
