#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

namespace censaria {

class Archive;

// Results waiting on this PC for the school's server, in an SQLite file in the
// account's own data folder (the folder 0700, the file 0600: no other account of the
// PC reads or changes them), kept in the order they were recorded, each removed only
// once the server has committed it. The file is made on first use.
// A result that can never go (one the server refused, or a row that is no result: the
// file is the account's own, so a pupil can write anything into it) is set aside in
// the same file, kept for the teacher, and the results behind it still go.
class ResultQueue
{
public:
    explicit ResultQueue(const QString &fileName);
    ~ResultQueue();
    ResultQueue(const ResultQueue &) = delete;
    ResultQueue &operator=(const ResultQueue &) = delete;

    bool add(const QString &table, const QString &name, const QList<std::pair<int, QVariant>> &values);
    // Keeps a result the server refused, with the reason.
    bool setAside(const QString &table, const QString &name, const QList<std::pair<int, QVariant>> &values, const QString &reason);
    // Results waiting; -1 when the queue cannot be read.
    int size();
    // Results set aside; -1 when the queue cannot be read.
    int setAsideCount();
    // Sends the waiting results in order, each in its own transaction, none replacing a
    // later one on the server; each is checked first (table, positions, counts, a date
    // not later than now), and one that fails the check, or that the server refuses, is
    // set aside. Stops at the first the server cannot take now (gone, busy): the rest
    // wait. A result whose removal was cut short goes again next time, which changes
    // nothing. True when nothing waits any more.
    bool sendTo(Archive &archive, const QDateTime &now);
    QString fileName() const { return fileName_; }
    QString lastError() const { return lastError_; }

private:
    bool ready();
    bool failed(const QString &error);
    bool moveAside(qint64 n, const QString &reason);
    int count(const QString &table);
    QString connection_;
    QString fileName_;
    QString lastError_;
};

} // namespace censaria
