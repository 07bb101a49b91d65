#pragma once

#include <QString>
#include <QStringList>

namespace censaria {

// Where the results archive lives, as named by the settings file censaria.ini:
//
//   [archivio]
//   tipo=server            ; or "locale" (the default): the SQLite file in perCensaria
//   host=server.scuola.lan
//   port=5432
//   database=censaria
//   user=censaria                         ; the classroom PCs' role: it can only record
//   passwordfile=/etc/censaria/password   ; readable only by the censaria group
//   insegnante=censaria_insegnante        ; the teachers' role, which reads the results
//   sslmode=verify-full                   ; the default; a weaker one only when written here
//   sslrootcert=/etc/censaria/root.crt    ; the school's certificate authority
struct ArchiveSettings
{
    enum class Kind { Local, Server };
    Kind kind = Kind::Local;
    QString host;
    int port = 5432;
    QString database;
    QString user;
    QString passwordFile;
    QString teacherUser;
    QString sslmode;
    QString sslrootcert;
    QString settingsFile; // the file that named the server, for messages
    QString problem;      // Italian, when the settings cannot be used as they are

    bool isServer() const { return kind == Kind::Server; }
    // "database «censaria» sul server server.scuola.lan (porta 5432)", for messages.
    QString serverText() const;
    // The same server reached as the teachers' role, whose password the teacher types
    // (or keeps in his own ~/.pgpass): no password file.
    ArchiveSettings asTeacher() const;
    // libpq's connection options: TLS as set, a few seconds to connect, and lock and
    // statement timeouts so that a table someone else holds never freezes a pupil.
    QString connectOptions() const;
};

// How long a statement on the server may wait for a lock, and run at most.
inline constexpr int serverLockTimeoutMs = 3000;
inline constexpr int serverStatementTimeoutMs = 8000;

// Reads the files in order, a later file's values winning; a missing file counts as
// absent. Without any file the archive is the local one.
ArchiveSettings loadArchiveSettings(const QStringList &files);

// The settings files of a run: perCensaria's own, then the system-wide one that wins.
QStringList archiveSettingsFiles(const QString &dataFolderFile);

// The password kept in the settings' password file: its first line. Empty, with an
// Italian reason in *problem, when the file is missing, unreadable or readable by
// every user of the PC.
QString readServerPassword(const ArchiveSettings &settings, QString *problem);

} // namespace censaria
