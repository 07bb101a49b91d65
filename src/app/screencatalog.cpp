#include "forms.h"
#include "exercises/fesercizi.h"
#include "mainmenu.h"
#include "screenregistry.h"

namespace censaria {

void registerScreens(ScreenRegistry &registry)
{
    registry.add(forms::menu, [](Module &m) { return new MainMenu(m); });
    registry.add(forms::rates, [](Module &m) { return new Fesercizi(m); });
}

} // namespace censaria
