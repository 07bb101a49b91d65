#pragma once

#include "screenkit/screenregistry.h"

namespace censaria {

// Adds every form the program has: the one place that knows them all.
void registerScreens(ScreenRegistry &registry);

} // namespace censaria
