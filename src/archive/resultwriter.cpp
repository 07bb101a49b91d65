#include "resultwriter.h"

#include "archive.h"
#include "resultqueue.h"

namespace censaria {

ResultWriter::ResultWriter(Archive &archive, const QString &queueFile)
    : archive_(archive)
    , queue_(archive.isServer() ? std::make_unique<ResultQueue>(queueFile) : nullptr)
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
    if (sendQueue() && archive_.writeResult(table, name, values))
        return Recorded::Saved;
    if (queue_->add(table, name, values))
        return Recorded::Queued;
    lastError_ = archive_.lastError() + u'\n' + queue_->lastError();
    return Recorded::Lost;
}

bool ResultWriter::sendQueue()
{
    return !queue_ || queue_->sendTo(archive_);
}

int ResultWriter::waiting()
{
    return queue_ ? queue_->size() : 0;
}

} // namespace censaria
