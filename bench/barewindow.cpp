// A bare Qt Widgets window linking the same Qt libraries as Censaria: the yardstick
// the start-up time is judged against. It shows one empty window over the whole
// display and ends at its first paint.
#include "firstpaint.h"
#include "quietoffscreen.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    keepOffscreenNoiseOut();
    QApplication application(argc, argv);
    exitAfterFirstPaint(QStringLiteral("bare"));
    QWidget window;
    window.setObjectName(QStringLiteral("bare"));
    window.showFullScreen();
    return QApplication::exec();
}
