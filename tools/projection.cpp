// Prints a country's pyramid projected to a year, as CSV on standard output:
//   projection Italia 2050 children-per-woman=1,8 life-expectancy=+2 migrants=200000
#include "populations/projectioncsv.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

using namespace censaria::populations;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const ProjectionRequest request = readProjectionRequest(WorldData::builtIn(), app.arguments().mid(1));
    if (!request.problem.isEmpty()) {
        QTextStream(stderr) << request.problem << '\n';
        return 1;
    }
    const Projection projection = project(*request.country, request.levers);
    if (!projection.isValid()) {
        QTextStream(stderr) << projection.problem << '\n';
        return 1;
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(pyramidCsv(projection.at(request.year), request)) < 0 || !out.flush())
        return 1;
    return 0;
}
