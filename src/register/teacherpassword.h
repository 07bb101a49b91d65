#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace censaria::classregister {

// The teacher's password of the register, kept as a salted PBKDF2-SHA256 hash with
// its iteration count in the register's settings file beside the archive. It keeps
// curious pupils at the classroom computer away from their classmates' results; it
// is no defence against someone who can read or delete the files of the computer.
class TeacherPassword
{
public:
    static constexpr int defaultIterations = 100000;
    static constexpr int triesBeforePause = 3;
    static constexpr int pauseSeconds = 30;

    enum class Answer { Accepted, Refused, RefusedNowPaused, Paused };

    explicit TeacherPassword(const QString &settingsFile, int iterations = defaultIterations);

    bool isSet() const;
    // Stores a new password; false when the settings file cannot be written.
    bool set(const QString &password);
    // Three wrong answers in a row start a pause during which nothing is checked.
    Answer check(const QString &password, const QDateTime &now);
    int secondsToWait(const QDateTime &now) const;

private:
    QString file_;
    int iterations_;
    int failures_ = 0;
    QDateTime pausedUntil_;
};

} // namespace censaria::classregister
