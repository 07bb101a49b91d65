#include "screenregistry.h"

#include "screen.h"

namespace censaria {

ScreenRegistry::ScreenRegistry(Module &module)
    : module_(module)
{
}

ScreenRegistry::~ScreenRegistry()
{
    // Later screens may refer to earlier ones, so they go first.
    while (!order_.isEmpty())
        delete order_.takeLast();
}

void ScreenRegistry::add(const QString &formName, Factory factory)
{
    if (!factories_.contains(formName))
        names_.append(formName);
    factories_.insert(formName, std::move(factory));
}

Screen *ScreenRegistry::get(const QString &formName)
{
    if (Screen *screen = screens_.value(formName))
        return screen;
    const auto factory = factories_.constFind(formName);
    if (factory == factories_.constEnd())
        return nullptr;
    Screen *screen = (*factory)(module_);
    screens_.insert(formName, screen);
    order_.append(screen);
    return screen;
}

Screen *ScreenRegistry::existing(const QString &formName) const
{
    return screens_.value(formName);
}

QList<Screen *> ScreenRegistry::created() const
{
    return order_;
}

} // namespace censaria
