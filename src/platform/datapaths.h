#pragma once

#include <QString>

namespace censaria {

// Maps the program's own paths ("perCensaria\dbcensaria.mdb", "A:\exportcensa.mdb")
// onto the real file system: backslashes become separators, relative paths start in
// the program's folder, "A:" is the removable drive, and on a case-sensitive file
// system each part takes the letter case of an existing file or folder.
class DataPaths
{
public:
    explicit DataPaths(const QString &programFolder, const QString &driveARoot = QString());

    // The same paths, with "A:" standing for the medium or folder at root.
    DataPaths onMedium(const QString &root) const { return DataPaths(programFolder_, root); }

    QString resolve(const QString &programPath) const;
    QString programFolder() const { return programFolder_; }
    QString driveARoot() const { return driveARoot_; }

private:
    QString programFolder_;
    QString driveARoot_;
};

} // namespace censaria
