#include "teacherpassword.h"

#include <QCryptographicHash>
// PBKDF2 lives in Qt Network, though it needs no network.
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QSettings>

namespace censaria::classregister {
namespace {

const QString saltKey = QStringLiteral("password/salt");
const QString iterationsKey = QStringLiteral("password/iterations");
const QString hashKey = QStringLiteral("password/pbkdf2-sha256");
const QString pauseKey = QStringLiteral("password/pausa-fino-a");
constexpr int hashLength = 32;

QByteArray derive(const QString &password, const QByteArray &salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt, iterations, hashLength);
}

// The time taken does not tell how many leading bytes were right.
bool sameBytes(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

} // namespace

TeacherPassword::TeacherPassword(const QString &settingsFile, int iterations)
    : file_(settingsFile)
    , iterations_(iterations)
{
    // A pause outlives the program: closing and reopening it does not cut it short.
    pausedUntil_ = QSettings(file_, QSettings::IniFormat).value(pauseKey).toDateTime();
}

bool TeacherPassword::isSet() const
{
    const QSettings settings(file_, QSettings::IniFormat);
    return !settings.value(hashKey).toByteArray().isEmpty();
}

bool TeacherPassword::set(const QString &password)
{
    QByteArray salt(16, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(salt.data()), salt.size() / int(sizeof(quint32)));
    QSettings settings(file_, QSettings::IniFormat);
    settings.setValue(saltKey, salt.toBase64());
    settings.setValue(iterationsKey, iterations_);
    settings.setValue(hashKey, derive(password, salt, iterations_).toBase64());
    settings.sync();
    return settings.status() == QSettings::NoError;
}

TeacherPassword::Answer TeacherPassword::check(const QString &password, const QDateTime &now)
{
    if (secondsToWait(now) > 0)
        return Answer::Paused;
    const QSettings settings(file_, QSettings::IniFormat);
    const QByteArray salt = QByteArray::fromBase64(settings.value(saltKey).toByteArray());
    const int iterations = settings.value(iterationsKey).toInt();
    const QByteArray stored = QByteArray::fromBase64(settings.value(hashKey).toByteArray());
    if (iterations > 0 && !stored.isEmpty() && sameBytes(derive(password, salt, iterations), stored)) {
        failures_ = 0;
        return Answer::Accepted;
    }
    if (++failures_ < triesBeforePause)
        return Answer::Refused;
    failures_ = 0;
    pausedUntil_ = now.addSecs(pauseSeconds);
    QSettings(file_, QSettings::IniFormat).setValue(pauseKey, pausedUntil_);
    return Answer::RefusedNowPaused;
}

int TeacherPassword::secondsToWait(const QDateTime &now) const
{
    if (!pausedUntil_.isValid() || now >= pausedUntil_)
        return 0;
    // A clock put back must not lock the teacher out for hours.
    if (now.secsTo(pausedUntil_) > pauseSeconds)
        return 0;
    return int((now.msecsTo(pausedUntil_) + 999) / 1000);
}

} // namespace censaria::classregister
