// tour OUTPUT_FOLDER: runs Censaria offscreen on a temporary data folder and writes
// a PNG of every screen state into OUTPUT_FOLDER.
#include "app/program.h"
#include "tour.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    censaria::useItalian(application);
    if (argc != 2) {
        QTextStream(stderr) << "usage: tour OUTPUT_FOLDER\n";
        return 2;
    }
    censaria::tour::Tour tour(QString::fromLocal8Bit(argv[1]));
    if (!tour.program().start()) {
        QTextStream(stderr) << "the program did not start\n";
        return 1;
    }
    censaria::tour::runTourSteps(tour);
    QTextStream(stdout) << tour.saved() << " pictures written\n";
    return 0;
}
