#pragma once

#include "projection.h"

#include <QByteArray>
#include <QStringList>

// The projection tool's words: what it is asked on its command line, and the pyramid
// it answers with, as a CSV file that a spreadsheet set to Italian reads.
namespace censaria::populations {

struct ProjectionRequest
{
    const Country *country = nullptr;
    int year = 0;
    Levers levers;
    // Why the request cannot be answered, for the user; empty when it can.
    QString problem;
};

// COUNTRY YEAR [children-per-woman=X] [life-expectancy=+Y] [migrants=Z], numbers with a
// decimal point or comma.
ProjectionRequest readProjectionRequest(const WorldData &data, const QStringList &arguments);

// The usage line the tool prints when it is called wrongly.
QString projectionUsage();

// "età;maschi;femmine", one row per age group (persons), then the levers and the source.
QByteArray pyramidCsv(const Pyramid &pyramid, const ProjectionRequest &request);

} // namespace censaria::populations
