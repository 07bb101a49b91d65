#pragma once

#include "archive.h"

#include <QString>

class QFileInfo;

namespace censaria {

// The checks of an archive kept in an SQLite file: what the file system and the first
// bytes say, then tables, columns and pages through a connection that cannot change the
// file, and only then the connection that writes. Also the checks run again later and
// the consistent copy. Part of Archive, whose connection and failure record it uses.
class ArchiveFile
{
public:
    ArchiveFile(Archive &archive, QString fileName);

    QString fileName() const { return fileName_; }
    bool isReadOnly() const { return readOnly_; }
    bool checkedSinceOpen() const { return checked_; }
    // Something was written, or the connection closed: the check no longer holds.
    void forgetCheck() { checked_ = false; }

    ArchiveProblem open();
    ArchiveProblem openReadOnly();
    bool integrityCheck();
    bool quickCheck();
    bool copyTo(const QString &fileName);
    static bool createEmpty(const QString &fileName, QString *error);

private:
    ArchiveProblem checkFile(const QFileInfo &info);
    // Tables, columns and pages examined through a read-only connection; kept open when
    // keep is set and the checks pass, else closed again.
    ArchiveProblem checkReadOnly(const QString &absolutePath, const QString &connection, bool keep);
    ArchiveProblem openForWriting(const QString &absolutePath);

    Archive &archive_;
    QString fileName_;
    bool readOnly_ = false;
    bool checked_ = false;
};

} // namespace censaria
