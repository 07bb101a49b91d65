#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

namespace censaria {

class Archive;
class ResultQueue;

// Where a recorded result went: into the archive, into the queue to go later, set aside
// in the queue because the server refused it (kept for the teacher), or nowhere.
enum class Recorded { Saved, Queued, SetAside, Lost };

// The one way results reach the archive. With a server archive, a result the server
// cannot take now waits in the PC's queue, and the queue goes first, so that the
// server receives every PC's results in the order they were recorded.
class ResultWriter
{
public:
    // queueFile is used only when the archive is on a server; now is the clock that
    // queued results are checked against before they go.
    ResultWriter(
        Archive &archive, const QString &queueFile, std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); });
    ~ResultWriter();

    Recorded record(const QString &table, const QString &name, const QList<std::pair<int, QVariant>> &values);
    // Sends what waits in the queue; true when nothing waits any more.
    bool sendQueue();
    // Results waiting in the queue (0 without a server).
    int waiting();
    // Results the server refused, kept in the queue's file (0 without a server).
    int setAside();
    // The queue's file; empty without a server.
    QString queueFile() const;
    // Why the last result was lost or set aside.
    QString lastError() const { return lastError_; }

private:
    Archive &archive_;
    std::unique_ptr<ResultQueue> queue_;
    std::function<QDateTime()> now_;
    QString lastError_;
};

} // namespace censaria
