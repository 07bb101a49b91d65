#include "app/program.h"
#include "platform/qtplatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Censaria"));
    censaria::useItalian(application);

    censaria::QtPlatform platform;
    censaria::Program program(platform.services(), QCoreApplication::applicationDirPath());
    program.launch();
    return QApplication::exec();
}
