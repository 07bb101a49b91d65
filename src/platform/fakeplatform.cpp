#include "fakeplatform.h"

#include <QWidget>

namespace censaria {

void FixedDisplay::showFullDisplay(QWidget *window)
{
    window->setGeometry(QRect(QPoint(0, 0), displaySize));
    window->show();
}

} // namespace censaria
