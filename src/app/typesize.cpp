#include "typesize.h"

#include "screenkit/module.h"
#include "screenkit/screen.h"
#include "platform/typescale.h"

#include <QComboBox>
#include <QSettings>
#include <QVariant>
#include <algorithm>
#include <iterator>

namespace censaria::typesize {
namespace {

const char *const key = "testo/ingrandimento";
const char *const basePixels = "typeSizeBasePixels";

// Each account's own: a file shared by the accounts of one PC would be replaced and
// locked by whichever account wrote it first.
QString settingsFile()
{
    return Module::accountSettingsFile(QStringLiteral("impostazioni.ini"));
}

// Every font on the screens was sized with the old factor: size it again from the size
// it had at 100 %, remembered on the control the first time.
void rescale(Module &module, double from, double to)
{
    for (Screen *screen : module.screens().created()) {
        QList<QWidget *> widgets = screen->findChildren<QWidget *>();
        widgets.prepend(screen);
        for (QWidget *widget : widgets) {
            QFont font = widget->font();
            // The edit field of a drop-down follows its drop-down.
            if (font.pixelSize() <= 0 || qobject_cast<QComboBox *>(widget->parentWidget()))
                continue;
            if (!widget->property(basePixels).isValid())
                widget->setProperty(basePixels, font.pixelSize() / from);
            font.setPixelSize(std::max(6, qRound(widget->property(basePixels).toDouble() * to)));
            widget->setFont(font);
        }
        screen->fitTextsAgain();
    }
}

int stepIndex()
{
    const auto *found = std::find(std::begin(TypeScale::steps), std::end(TypeScale::steps), TypeScale::factor());
    return int(found - std::begin(TypeScale::steps));
}

} // namespace

void load()
{
    const QSettings settings(settingsFile(), QSettings::IniFormat);
    TypeScale::setFactor(settings.value(key, 1.0).toDouble());
}

void set(Module &module, double factor)
{
    const double old = TypeScale::factor();
    TypeScale::setFactor(factor);
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.setValue(key, TypeScale::factor());
    if (old != TypeScale::factor())
        rescale(module, old, TypeScale::factor());
}

void larger(Module &module)
{
    set(module, TypeScale::steps[std::min<int>(stepIndex() + 1, std::size(TypeScale::steps) - 1)]);
}

void smaller(Module &module)
{
    set(module, TypeScale::steps[std::max(stepIndex() - 1, 0)]);
}

QString percentText()
{
    return QStringLiteral("%1%").arg(qRound(TypeScale::factor() * 100));
}

} // namespace censaria::typesize
