// startupprobe PROGRAM_FOLDER [answering]: Censaria's start-up exactly as main() does
// it, on the data folder of PROGRAM_FOLDER, ending as soon as the main menu is painted;
// with "answering", once its buttons are painted and a click on one would be handled.
#include "screenkit/forms.h"
#include "app/program.h"
#include "firstpaint.h"
#include "quietoffscreen.h"
#include "platform/qtplatform.h"

#include <QApplication>
#include <QStandardPaths>
#include <string_view>

int main(int argc, char *argv[])
{
    keepOffscreenNoiseOut();
    QApplication application(argc, argv);
    if (argc == 3 && argv[2] == std::string_view("answering"))
        exitWhenAnswering(QStringLiteral("Cmdstoria"));
    else if (argc == 2)
        exitAfterFirstPaint(censaria::forms::menu);
    else
        return 2;
    QApplication::setApplicationName(QStringLiteral("Censaria"));
    censaria::useItalian(application);

    censaria::QtPlatform platform;
    censaria::Program program(platform.services(), QString::fromLocal8Bit(argv[1]),
                              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    program.launch();
    return QApplication::exec();
}
