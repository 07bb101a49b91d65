#pragma once

// What a write cut short (a crash, a power cut) leaves beside an SQLite archive: pages
// of the file already changed, and the hot journal that puts them back.
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Sets every count of "I tre periodi" in "questionari" to 99 in one transaction too large
// for a cache of one page, so that changed pages reach the file before the commit, and
// copies the file and its journal over `file` at that moment. The archive needs a few
// pages of rows (300 pupils with long names). The journal goes beside the file as it is
// named, not beside a link's target.
inline bool leaveInterruptedWrite(const QString &file)
{
    const QString work = file + QStringLiteral(".interrupted");
    QFile::remove(work);
    if (!QFile::copy(file, work))
        return false;
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("interrupted-write"));
        db.setDatabaseName(work);
        QSqlQuery query(db);
        ok = db.open() && query.exec(QStringLiteral("PRAGMA cache_size=1")) && query.exec(QStringLiteral("BEGIN"))
             && query.exec(QStringLiteral("UPDATE questionari SET \"I tre periodi\" = 99"));
        ok = ok && fileBytes(work) != fileBytes(file) && QFile::exists(work + QStringLiteral("-journal"));
        if (ok) {
            QFile::remove(file + QStringLiteral("-journal"));
            ok = QFile::remove(file) && QFile::copy(work, file)
                 && QFile::copy(work + QStringLiteral("-journal"), file + QStringLiteral("-journal"));
        }
        query.exec(QStringLiteral("ROLLBACK"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("interrupted-write"));
    QFile::remove(work);
    QFile::remove(work + QStringLiteral("-journal"));
    return ok;
}
