#include "forms.h"
#include "mainmenu.h"
#include "screenregistry.h"

namespace censaria {

void registerScreens(ScreenRegistry &registry)
{
    registry.add(forms::menu, [](Module &m) { return new MainMenu(m); });
}

} // namespace censaria
