#pragma once

#include <QString>

namespace censaria::bench {

class Report;
struct RunSize;

// The class register over an archive of 10 000 pupils: opening it (reading both
// tables into the table model), sorting by name, one keystroke of the name filter,
// the CSV and the PDF of every pupil.
void benchRegister(Report &report, const QString &workFolder, const RunSize &size);

} // namespace censaria::bench
