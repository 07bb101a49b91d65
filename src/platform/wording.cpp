#include "wording.h"

namespace censaria::wording {

QString listed(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" e ") + items.last();
}

} // namespace censaria::wording
