#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QTime>
#include <array>
#include <optional>

namespace censaria::classregister {

// The result of one topic for one pupil. A topic never done is distinct from a
// result of 0: done stays false.
struct TopicResult
{
    bool done = false;
    int right = 0;   // right answers (out of 10 for a questionnaire)
    int wrong = 0;   // exercises only
    int percent = 0; // exercises only
    QDate date;      // when it was recorded; invalid when the archive holds no date
    QTime time;

    // Later results win a merge; one without a date loses to any dated one.
    bool isLaterThan(const TopicResult &other) const;
};

// The ten questionnaires, then the three exercise groups.
inline constexpr int questionnaireCount = 10;
inline constexpr int exerciseCount = 3;
inline constexpr int topicCount = questionnaireCount + exerciseCount;

bool isExercise(int topic);
// The topic's full name, as the results screen and the printed page call it.
QString topicName(int topic);
// A short name for a column heading.
QString topicShortName(int topic);
// A name short enough to stand beside a bar of the narrow chart on the screen.
QString topicChartName(int topic);

struct PupilRecord
{
    QString name;
    std::array<TopicResult, topicCount> topics;

    // A topic's result on a scale of 10: the right answers of a questionnaire,
    // the percentage right of an exercise divided by ten.
    static double score(int topic, const TopicResult &result);
    // The mean score over the topics done; nullopt when none was done.
    std::optional<double> average() const;
};

// Gathers records so that each pupil appears once: for each topic the later result wins.
class RecordMerger
{
public:
    void add(const PupilRecord &record);
    void add(const QList<PupilRecord> &records);
    QList<PupilRecord> records() const { return records_; }

private:
    QList<PupilRecord> records_;
    QHash<QString, qsizetype> index_;
};

// Folds other into into, topic by topic, the later result winning.
void mergeRecord(PupilRecord &into, const PupilRecord &other);

} // namespace censaria::classregister
