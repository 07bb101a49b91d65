#include "teacherpassword.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
// PBKDF2 lives in Qt Network, though it needs no network.
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>

namespace censaria::classregister {
namespace {

const QString saltKey = QStringLiteral("password/salt");
const QString iterationsKey = QStringLiteral("password/iterations");
const QString hashKey = QStringLiteral("password/pbkdf2-sha256");
const QString failuresKey = QStringLiteral("tentativi/sbagliati");
const QString pauseKey = QStringLiteral("tentativi/pausa-fino-a");
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

void writeHash(QSettings &settings, const QString &password, int iterations)
{
    QByteArray salt(16, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(salt.data()), salt.size() / int(sizeof(quint32)));
    settings.setValue(saltKey, salt.toBase64());
    settings.setValue(iterationsKey, iterations);
    settings.setValue(hashKey, derive(password, salt, iterations).toBase64());
}

struct Hash
{
    QByteArray salt;
    int iterations = 0;
    QByteArray hash;
};

// The hash as stored, or the reason it cannot be used.
TeacherPassword::Stored readHash(const QString &file, Hash *hash)
{
    if (!QFileInfo::exists(file))
        return TeacherPassword::Stored::Nothing;
    // An unreadable file must not pass for a missing password: that would open the gate.
    if (QFile probe(file); !probe.open(QIODevice::ReadOnly))
        return TeacherPassword::Stored::Unreadable;
    const QSettings settings(file, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return TeacherPassword::Stored::Damaged;
    if (!settings.contains(hashKey))
        return TeacherPassword::Stored::Nothing;
    bool number = false;
    hash->salt = QByteArray::fromBase64(settings.value(saltKey).toByteArray());
    hash->iterations = settings.value(iterationsKey).toInt(&number);
    hash->hash = QByteArray::fromBase64(settings.value(hashKey).toByteArray());
    if (!number || hash->salt.isEmpty() || hash->hash.size() != hashLength || hash->iterations > TeacherPassword::maximumIterations)
        return TeacherPassword::Stored::Damaged;
    if (hash->iterations < TeacherPassword::minimumIterations)
        return TeacherPassword::Stored::TooWeak;
    return TeacherPassword::Stored::Usable;
}

} // namespace

TeacherPassword::TeacherPassword(QString passwordFile, QString triesFile, int iterations)
    : file_(std::move(passwordFile))
    , triesFile_(std::move(triesFile))
    , iterations_(iterations)
{
}

TeacherPassword::Stored TeacherPassword::stored() const
{
    Hash hash;
    return readHash(file_, &hash);
}

bool TeacherPassword::longEnough(const QString &password)
{
    return password.toUcs4().size() >= minimumLength;
}

bool TeacherPassword::set(const QString &password)
{
    QSettings settings(file_, QSettings::IniFormat);
    writeHash(settings, password, iterations_);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QByteArray TeacherPassword::fileText(const QString &password, int iterations)
{
    // Written by QSettings itself, so that the program reads it back exactly.
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("registro.ini"));
    {
        QSettings settings(file, QSettings::IniFormat);
        writeHash(settings, password, iterations);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return QByteArray();
    }
    QFile written(file);
    return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
}

void TeacherPassword::loadTries()
{
    if (triesFile_.isEmpty() || !QFileInfo::exists(triesFile_))
        return;
    const QSettings tries(triesFile_, QSettings::IniFormat);
    failures_ = tries.value(failuresKey).toInt();
    pausedUntil_ = tries.value(pauseKey).toDateTime();
}

void TeacherPassword::saveTries()
{
    if (triesFile_.isEmpty())
        return;
    QDir().mkpath(QFileInfo(triesFile_).path());
    QSettings tries(triesFile_, QSettings::IniFormat);
    tries.setValue(failuresKey, failures_);
    tries.setValue(pauseKey, pausedUntil_);
}

TeacherPassword::Answer TeacherPassword::check(const QString &password, const QDateTime &now)
{
    if (secondsToWait(now) > 0)
        return Answer::Paused;
    Hash hash;
    if (readHash(file_, &hash) != Stored::Usable)
        return Answer::Unusable;
    // The try is counted before the answer is known, so that ending the program while
    // it is being checked does not take it back.
    ++failures_;
    const bool paused = failures_ >= triesBeforePause;
    if (paused) {
        failures_ = 0;
        pausedUntil_ = now.addSecs(pauseSeconds);
    }
    saveTries();
    const bool right = sameBytes(derive(password, hash.salt, hash.iterations), hash.hash);
    if (right) {
        failures_ = 0;
        pausedUntil_ = QDateTime();
        saveTries();
    }
    return right ? Answer::Accepted : paused ? Answer::RefusedNowPaused : Answer::Refused;
}

int TeacherPassword::secondsToWait(const QDateTime &now)
{
    loadTries();
    if (!pausedUntil_.isValid() || now >= pausedUntil_)
        return 0;
    // A clock put back must not lock the teacher out for hours.
    if (now.secsTo(pausedUntil_) > pauseSeconds)
        return 0;
    return int((now.msecsTo(pausedUntil_) + 999) / 1000);
}

} // namespace censaria::classregister
