// tour OUTPUT_FOLDER [WIDTHxHEIGHT]: runs Censaria offscreen on a temporary data folder,
// on a display of the given size (1280x960 unless told), and writes a PNG of every
// screen state into OUTPUT_FOLDER.
#include "app/program.h"
#include "tour.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTextStream>

namespace {

// "1024x768" as a size; an invalid size when the text is not one.
QSize parseSize(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([1-9][0-9]{2,4})x([1-9][0-9]{2,4})$"));
    const QRegularExpressionMatch m = form.match(text);
    return m.hasMatch() ? QSize(m.captured(1).toInt(), m.captured(2).toInt()) : QSize();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    censaria::useItalian(application);
    const QSize display = argc == 3 ? parseSize(QString::fromLocal8Bit(argv[2])) : QSize(1280, 960);
    if (argc < 2 || argc > 3 || !display.isValid()) {
        QTextStream(stderr) << "usage: tour OUTPUT_FOLDER [WIDTHxHEIGHT]\n";
        return 2;
    }
    censaria::tour::Tour tour(QString::fromLocal8Bit(argv[1]), display);
    if (!tour.program().start()) {
        QTextStream(stderr) << "the program did not start\n";
        return 1;
    }
    censaria::tour::runTourSteps(tour);
    QTextStream(stdout) << tour.saved() << " pictures written\n";
    return 0;
}
