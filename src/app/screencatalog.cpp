#include "forms.h"
#include "lessons/flezioni.h"
#include "mainmenu.h"
#include "screenregistry.h"

namespace censaria {

void registerScreens(ScreenRegistry &registry)
{
    registry.add(forms::menu, [](Module &m) { return new MainMenu(m); });
    registry.add(forms::lessons, [](Module &m) { return new FLezioni(m); });
}

} // namespace censaria
