#pragma once

#include <QString>

namespace censaria {

class Archive;
class DataPaths;
class FileCopier;

// Appends every row of this computer's archive to the collecting archive on the
// removable media, so that one medium gathers a whole class from several computers.
// Both tables go in one transaction: all rows are added, or none.
class ResultsExport
{
public:
    enum class Outcome {
        Done,
        NoMedia,         // no medium, or a collecting archive that cannot be read
        NotWritten,      // the medium refused the archive or its rows; nothing was added
        LocalUnreadable, // this computer's archive could not be read; nothing was added
        NotAccepted,     // the collecting archive kept fewer rows than it was sent; nothing was added
        NoTemplate,      // the program's own empty archive is missing, so a new medium cannot be started
    };

    // paths.driveARoot() is the medium (or folder) chosen for this export.
    ResultsExport(Archive &local, const DataPaths &paths, FileCopier &files);

    Outcome run();
    // The collecting archive's path on the medium.
    QString targetPath() const;
    // What the pupil is told, empty when all went well.
    static QString message(Outcome outcome);

private:
    QString templatePath() const;
    bool putEmptyArchiveOnMedia(const QString &target);

    Archive &local_;
    const DataPaths &paths_;
    FileCopier &files_;
};

} // namespace censaria
