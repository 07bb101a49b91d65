#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace censaria::classregister {

// The teacher's password, kept as a salted PBKDF2-SHA256 hash with its iteration count
// in an INI file: beside the archive, where the program saves it itself, or (with the
// Debian package) in a file only root changes. The wrong tries and the pause after
// three of them are kept in a file of the account's own, so that closing the program
// does not cut them short. It keeps pupils at the program away from their classmates'
// results; whoever can read the hash can guess at it without any pause, so what holds
// him back is the iteration count and the length of the password.
class TeacherPassword
{
public:
    static constexpr int defaultIterations = 100000;
    // A hash quicker than this to compute is refused: it would be too quick to guess.
    static constexpr int minimumIterations = 100000;
    // More than this would keep the program busy for minutes at every check.
    static constexpr int maximumIterations = 10000000;
    static constexpr int minimumLength = 8;
    static constexpr int triesBeforePause = 3;
    static constexpr int pauseSeconds = 30;

    // What the password file holds.
    enum class Stored { Nothing, Usable, TooWeak, Unreadable, Damaged };
    enum class Answer { Accepted, Refused, RefusedNowPaused, Paused, Unusable };

    // triesFile empty: the tries are counted for this run only.
    TeacherPassword(QString passwordFile, QString triesFile, int iterations = defaultIterations);

    QString passwordFile() const { return file_; }
    Stored stored() const;
    // A new password must have at least minimumLength characters.
    static bool longEnough(const QString &password);
    // Stores a new password in the password file, keeping its other settings; false when
    // the file cannot be written.
    bool set(const QString &password);
    // The whole text of a password file holding only this password, for the technician's command.
    static QByteArray fileText(const QString &password, int iterations = defaultIterations);

    // Three wrong answers in a row start a pause during which nothing is checked.
    Answer check(const QString &password, const QDateTime &now);
    int secondsToWait(const QDateTime &now);

private:
    void loadTries();
    void saveTries();
    QString file_;
    QString triesFile_;
    int iterations_;
    // The account's file wins; these stand in when it cannot be written.
    int failures_ = 0;
    QDateTime pausedUntil_;
};

} // namespace censaria::classregister
