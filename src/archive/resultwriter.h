#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <memory>

namespace censaria {

class Archive;
class ResultQueue;

// Where a recorded result went.
enum class Recorded { Saved, Queued, Lost };

// The one way results reach the archive. With a server archive, a result the server
// cannot take now waits in the PC's queue, and the queue goes first, so that the
// server receives every PC's results in the order they were recorded.
class ResultWriter
{
public:
    // queueFile is used only when the archive is on a server.
    ResultWriter(Archive &archive, const QString &queueFile);
    ~ResultWriter();

    Recorded record(const QString &table, const QString &name, const QList<std::pair<int, QVariant>> &values);
    // Sends what waits in the queue; true when nothing waits any more.
    bool sendQueue();
    // Results waiting in the queue (0 without a server).
    int waiting();
    // Why the last result was lost.
    QString lastError() const { return lastError_; }

private:
    Archive &archive_;
    std::unique_ptr<ResultQueue> queue_;
    QString lastError_;
};

} // namespace censaria
