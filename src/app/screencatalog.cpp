#include "families/ffamiglie.h"
#include "forms.h"
#include "mainmenu.h"
#include "pyramids/fpiramidi.h"
#include "screenregistry.h"

namespace censaria {

void registerScreens(ScreenRegistry &registry)
{
    registry.add(forms::menu, [](Module &m) { return new MainMenu(m); });
    registry.add(forms::families, [](Module &m) { return new Ffamiglie(m); });
    registry.add(forms::pyramids, [](Module &m) { return new Fpiramidi(m); });
}

} // namespace censaria
