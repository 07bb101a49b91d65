#include "accessibility.h"

#include <QRegularExpression>
#include <QWidget>

namespace censaria::accessible {

void name(QWidget *control, const QString &name, const QString &description)
{
    control->setAccessibleName(name);
    if (!description.isNull())
        control->setAccessibleDescription(description);
}

void describe(QWidget *control, const QString &description)
{
    control->setAccessibleDescription(description);
}

QString fromCaption(const QString &caption)
{
    static const QRegularExpression pointers(QStringLiteral("[-=]*>|[:=.]+\\s*$"));
    QString text = caption;
    text.remove(pointers);
    return text.simplified();
}

} // namespace censaria::accessible
