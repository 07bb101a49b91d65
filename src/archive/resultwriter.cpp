#include "resultwriter.h"

#include "archive.h"
#include "resultqueue.h"

namespace censaria {

ResultWriter::ResultWriter(Archive &archive, const QString &queueFile, std::function<QDateTime()> now)
    : archive_(archive)
    , queue_(archive.isServer() ? std::make_unique<ResultQueue>(queueFile) : nullptr)
    , now_(std::move(now))
{
}

ResultWriter::~ResultWriter() = default;

Recorded ResultWriter::record(const QString &table, const QString &name, const QList<std::pair<int, QVariant>> &values)
{
    if (!queue_) {
        if (archive_.writeResult(table, name, values))
            return Recorded::Saved;
        lastError_ = archive_.lastError();
        return Recorded::Lost;
    }
    // Behind results still waiting, a new one waits too: the server must not see it first.
    const bool queueSent = sendQueue();
    if (queueSent && archive_.writeResult(table, name, values))
        return Recorded::Saved;
    // Refused now, refused later: it is kept aside instead of blocking the queue.
    if (queueSent && archive_.lastFailure() == ArchiveFailure::Refused) {
        lastError_ = archive_.lastError();
        return queue_->setAside(table, name, values, lastError_) ? Recorded::SetAside : Recorded::Lost;
    }
    if (queue_->add(table, name, values))
        return Recorded::Queued;
    lastError_ = archive_.lastError() + u'\n' + queue_->lastError();
    return Recorded::Lost;
}

bool ResultWriter::sendQueue()
{
    return !queue_ || queue_->sendTo(archive_, now_());
}

int ResultWriter::waiting()
{
    return queue_ ? queue_->size() : 0;
}

int ResultWriter::setAside()
{
    return queue_ ? queue_->setAsideCount() : 0;
}

QString ResultWriter::queueFile() const
{
    return queue_ ? queue_->fileName() : QString();
}

} // namespace censaria
