#pragma once

#include "archive/archive.h"
#include "archive/resultwriter.h"
#include "navigation.h"
#include "platform/datapaths.h"
#include "platform/platform.h"
#include "screenregistry.h"

#include <QSize>
#include <QString>
#include <QTimer>
#include <memory>

namespace censaria {

// The process-wide state of one run (the module ModuloCENSARIA): the pupil's name,
// the screen key, the open archive, and the services and screens of the run.
class Module
{
public:
    // accountFolder is this account's own data folder, where results wait for the server.
    Module(const Platform &platform, const QString &programFolder, const QString &accountFolder);
    ~Module();

    QString nomealunno; // the pupil's normalised name, empty until asked
    QString chiamante;  // the screen or lesson page the next back button returns to
    // Under the Debian package the teacher's password is in a file that only root
    // changes, set with the technician's command; empty where the program keeps it
    // itself, beside the archive.
    QString technicianPasswordFile;

    // The archive that censaria.ini names, "perCensaria\dbcensaria.mdb" when it names
    // none, opened once at start. Every screen reads the results from here, so with a
    // server a teacher sees the whole school's.
    ArchiveProblem openArchive();
    Archive &dbrisultati() { return *archive_; }
    // With a server archive: sends this PC's queued results now and then every minute.
    void startSendingQueue();
    ResultWriter &resultWriter() { return *writer_; }

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
    // Where the program keeps the files it writes besides the archive (the register's
    // settings and its copies): the folder of the archive file itself, links followed, as an
    // install may keep the program's folder read-only and reach the archive by a link;
    // perCensaria when the archive is on a server.
    QString settingsFile(const QString &name) const;
    // Where the program keeps a choice of the account using it (the larger type): the
    // account's own settings folder, which no other account can write, replace or lock.
    static QString accountSettingsFile(const QString &name);
    // This account's own data folder (QStandardPaths::AppDataLocation for the program):
    // the results waiting for the server, the wrong tries of the teacher's password.
    QString accountFolder() const { return accountFolder_; }
    ScreenRegistry &screens() { return *screens_; }
    Navigation &navigation() { return navigation_; }
    QSize displaySize() const;

private:
    // Why the last save failed, in words for the pupil.
    QString saveFailureReason() const;

    Platform platform_;
    DataPaths paths_;
    QString accountFolder_;
    std::unique_ptr<Archive> archive_;
    std::unique_ptr<ResultWriter> writer_;
    QTimer queueTimer_;
    Navigation navigation_;
    std::unique_ptr<ScreenRegistry> screens_;
};

} // namespace censaria
