#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <functional>
#include <optional>

namespace censaria {
class Archive;
}

namespace censaria::classregister {

// The school year a date falls in, as "2025-26": it starts on 1 September.
QString schoolYear(const QDate &date);

// Keeps the register tidy: each action first checks the whole archive and copies it
// into the copies folder, then changes it in one write of the archive's own, so a
// failure changes nothing.
class RegisterKeeper
{
public:
    // Makes a consistent copy of the archive at the given path; false if it failed.
    using CopyArchive = std::function<bool(const QString &path)>;

    RegisterKeeper(Archive &archive, CopyArchive copyArchive, QString copiesFolder);

    // The rows of other become rows of keep; for each topic the later result wins.
    bool joinPupils(const QString &keep, const QString &other, const QDateTime &now);
    // Every row of the pupil in both tables.
    bool deletePupil(const QString &name, const QDateTime &now);
    // Keeps the archive as copies/anno-YYYY-YY.mdb (the school year of its latest result)
    // and empties it; the copy's path, or nullopt.
    std::optional<QString> startNewYear(const QDateTime &now);

    // Why the last action failed, in words for the teacher.
    QString lastError() const { return lastError_; }

private:
    bool safetyCopy(const QString &path);
    bool change(const std::function<bool(QSqlDatabase &, QSqlError *)> &work);
    bool fail(const QString &why);
    // Why the archive's last write or check failed.
    QString failureReason() const;
    QString freePath(const QString &baseName) const;
    Archive &archive_;
    CopyArchive copyArchive_;
    QString copies_;
    QString lastError_;
};

} // namespace censaria::classregister
