#include "quietoffscreen.h"

#include <QGuiApplication>
#include <QSet>
#include <QString>

namespace {

QtMessageHandler qtHandler = nullptr;

// What QPlatformWindow says of the features a platform does not have.
bool aFeatureOffscreenLacks(const QString &message)
{
    static const QSet<QString> known = {
        QStringLiteral("This plugin does not support raise()"),
        QStringLiteral("This plugin does not support lower()"),
        QStringLiteral("This plugin does not support propagateSizeHints()"),
        QStringLiteral("This plugin does not support setParent!"),
        QStringLiteral("This plugin does not support grabbing the keyboard"),
        QStringLiteral("This plugin does not support grabbing the mouse"),
        QStringLiteral("This plugin does not support setting window opacity"),
        QStringLiteral("This plugin does not support setting window masks"),
    };
    return known.contains(message);
}

void filter(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && aFeatureOffscreenLacks(message) && QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    qtHandler(type, context, message);
}

} // namespace

void keepOffscreenNoiseOut()
{
    qtHandler = qInstallMessageHandler(filter);
}
