#include "app/program.h"
#include "platform/qtplatform.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Censaria"));
    censaria::useItalian(application);

    censaria::QtPlatform platform;
    censaria::Program program(platform.services(), QCoreApplication::applicationDirPath(),
                              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (!program.start())
        return 1;
    return QApplication::exec();
}
