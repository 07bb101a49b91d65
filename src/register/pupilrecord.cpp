#include "pupilrecord.h"

#include "archive/resulttopics.h"

#include <QHash>

namespace censaria::classregister {

bool TopicResult::isLaterThan(const TopicResult &other) const
{
    if (!done)
        return false;
    if (!other.done)
        return true;
    if (!date.isValid())
        return false;
    if (!other.date.isValid())
        return true;
    return date != other.date ? date > other.date : time > other.time;
}

bool isExercise(int topic)
{
    return topic >= questionnaireCount;
}

QString topicName(int topic)
{
    if (isExercise(topic))
        return resulttopics::exercises.at(topic - questionnaireCount).gridLabel;
    return resulttopics::questionnaires.at(topic).label;
}

// A soft hyphen lets a long word break on the printed register's narrow columns.
QString topicShortName(int topic)
{
    static const QStringList names = {QStringLiteral("3 periodi"),      QStringLiteral("Fam. tradiz."),
                                      QStringLiteral("Boom demogr."),   QStringLiteral("Post-industr."),
                                      QStringLiteral("Densità"),        QStringLiteral("Carta densità"),
                                      QStringLiteral("Piramidi"),       QStringLiteral("Pop. italiana"),
                                      QStringLiteral("Famiglie trad."), QStringLiteral("Famiglie mod."),
                                      QStringLiteral("Saldi"),          QStringLiteral("Compren\u00adsione saldi"),
                                      QStringLiteral("Tassi")};
    return names.at(topic);
}

QString topicChartName(int topic)
{
    return topic == questionnaireCount + 1 ? QStringLiteral("Compr. saldi") : topicShortName(topic);
}

double PupilRecord::score(int topic, const TopicResult &result)
{
    return isExercise(topic) ? result.percent / 10.0 : double(result.right);
}

std::optional<double> PupilRecord::average() const
{
    double sum = 0;
    int done = 0;
    for (int topic = 0; topic < topicCount; ++topic) {
        if (topics[topic].done) {
            sum += score(topic, topics[topic]);
            ++done;
        }
    }
    if (done == 0)
        return std::nullopt;
    return sum / done;
}

void mergeRecord(PupilRecord &into, const PupilRecord &other)
{
    for (int topic = 0; topic < topicCount; ++topic)
        if (other.topics[topic].isLaterThan(into.topics[topic]))
            into.topics[topic] = other.topics[topic];
}

void RecordMerger::add(const PupilRecord &record)
{
    const auto found = index_.constFind(record.name);
    if (found == index_.constEnd()) {
        index_.insert(record.name, records_.size());
        records_.append(record);
    } else {
        mergeRecord(records_[*found], record);
    }
}

void RecordMerger::add(const QList<PupilRecord> &records)
{
    for (const PupilRecord &record : records)
        add(record);
}

} // namespace censaria::classregister
