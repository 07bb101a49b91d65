#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace censaria {

class Archive;

// Results waiting on this PC for the school's server, in an SQLite file of their own:
// kept in the order they were recorded, each one removed only once the server has
// committed it. The file is made on first use.
class ResultQueue
{
public:
    explicit ResultQueue(const QString &fileName);
    ~ResultQueue();
    ResultQueue(const ResultQueue &) = delete;
    ResultQueue &operator=(const ResultQueue &) = delete;

    bool add(const QString &table, const QString &name, const QList<std::pair<int, QVariant>> &values);
    // Results waiting; -1 when the queue cannot be read.
    int size();
    // Sends the waiting results in order, each in its own transaction, none replacing a
    // later one on the server; stops at the first the archive does not take. A result
    // whose removal was cut short goes again next time, which changes nothing.
    // True when nothing waits any more.
    bool sendTo(Archive &archive);
    QString fileName() const { return fileName_; }
    QString lastError() const { return lastError_; }

private:
    bool ready();
    QString connection_;
    QString fileName_;
    QString lastError_;
};

} // namespace censaria
