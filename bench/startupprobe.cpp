// startupprobe PROGRAM_FOLDER: Censaria's start-up exactly as main() does it, on the
// data folder of PROGRAM_FOLDER, ending as soon as the main menu is painted.
#include "screenkit/forms.h"
#include "app/program.h"
#include "firstpaint.h"
#include "platform/qtplatform.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 2)
        return 2;
    exitAfterFirstPaint(censaria::forms::menu);
    QApplication::setApplicationName(QStringLiteral("Censaria"));
    censaria::useItalian(application);

    censaria::QtPlatform platform;
    censaria::Program program(platform.services(), QString::fromLocal8Bit(argv[1]),
                              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (!program.start())
        return 1;
    return QApplication::exec();
}
