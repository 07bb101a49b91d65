#pragma once

#include "archive/archive.h"
#include "navigation.h"
#include "platform/datapaths.h"
#include "platform/platform.h"
#include "screenregistry.h"

#include <QSize>
#include <QString>
#include <memory>

namespace censaria {

// The process-wide state of one run (the module ModuloCENSARIA): the pupil's name,
// the screen key, the open archive, and the services and screens of the run.
class Module
{
public:
    Module(const Platform &platform, const QString &programFolder);
    ~Module();

    QString nomealunno; // the pupil's normalised name, empty until asked
    QString chiamante;  // the screen or lesson page the next back button returns to

    // "perCensaria\dbcensaria.mdb", opened once at start.
    ArchiveProblem openArchive();
    Archive &dbrisultati() { return *archive_; }

    // Asks the pupil's name and stores it normalised; an empty answer stores nothing.
    void chiedinome();
    // Asks the name only while none is held; true when a name is held afterwards.
    bool ensurePupilName();
    // The one writer of results: finds or creates the pupil's row of table, then sets the
    // given columns and the date column to now. False, after telling the pupil why, when
    // nothing could be written.
    bool recordResult(const QString &table, const QList<std::pair<int, QVariant>> &counts, int datePosition);

    // A modal message with the program's title unless another is given.
    void message(const QString &text, MessageIcon icon = MessageIcon::None, const QString &title = QString());

    // Closes the archive and ends the program.
    void exitProgram(int exitCode = 0);

    const Platform &platform() const { return platform_; }
    const DataPaths &paths() const { return paths_; }
    ScreenRegistry &screens() { return *screens_; }
    Navigation &navigation() { return navigation_; }
    QSize displaySize() const;

private:
    // Why the last save failed, in words for the pupil.
    QString saveFailureReason() const;

    Platform platform_;
    DataPaths paths_;
    std::unique_ptr<Archive> archive_;
    Navigation navigation_;
    std::unique_ptr<ScreenRegistry> screens_;
};

} // namespace censaria
