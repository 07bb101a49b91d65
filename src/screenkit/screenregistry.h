#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace censaria {

class Module;
class Screen;

// Each form is created on first use and kept until the program ends.
class ScreenRegistry
{
public:
    using Factory = std::function<Screen *(Module &)>;

    explicit ScreenRegistry(Module &module);
    ~ScreenRegistry();

    void add(const QString &formName, Factory factory);
    // The form, created now if it does not exist yet; nullptr for an unknown name.
    Screen *get(const QString &formName);
    // The form only if it has been created already.
    Screen *existing(const QString &formName) const;
    QList<Screen *> created() const;
    // Every form the program has, created or not, in the order they were added.
    QStringList formNames() const { return names_; }

private:
    Module &module_;
    QHash<QString, Factory> factories_;
    QStringList names_;
    QHash<QString, Screen *> screens_;
    QList<Screen *> order_;
};

} // namespace censaria
