#include "archivesettings.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace censaria {

namespace {

// The modes libpq knows; anything else would be pasted into its connection string.
const QStringList sslModes{QStringLiteral("disable"), QStringLiteral("allow"),     QStringLiteral("prefer"),
                           QStringLiteral("require"), QStringLiteral("verify-ca"), QStringLiteral("verify-full")};

// A value for libpq's connection string, quoted as libpq reads it.
QString quotedOption(QString value)
{
    value.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
    return u'\'' + value + u'\'';
}

// The Qt driver joins the options with ';', which it turns into blanks: a value must
// hold neither, nor anything that ends a line.
bool safeOptionValue(const QString &value)
{
    for (const QChar c : value)
        if (c == u';' || c.category() == QChar::Other_Control)
            return false;
    return true;
}

} // namespace

QString ArchiveSettings::serverText() const
{
    return QStringLiteral("database «%1» sul server %2 (porta %3)").arg(database, host).arg(port);
}

ArchiveSettings ArchiveSettings::asTeacher() const
{
    ArchiveSettings teacher = *this;
    teacher.user = teacherUser;
    teacher.passwordFile.clear();
    return teacher;
}

QString ArchiveSettings::connectOptions() const
{
    // A classroom network fails often: a few seconds without an answer is a failure,
    // and the result goes to the queue instead of keeping the pupil waiting.
    QStringList options{QStringLiteral("sslmode=") + sslmode};
    if (!sslrootcert.isEmpty())
        options.append(QStringLiteral("sslrootcert=") + quotedOption(sslrootcert));
    options.append(QStringLiteral("connect_timeout=3;tcp_user_timeout=5000;keepalives_idle=5;keepalives_interval=2;"
                                  "keepalives_count=2;application_name=censaria"));
    options.append(
        QStringLiteral("options='-c lock_timeout=%1 -c statement_timeout=%2'").arg(serverLockTimeoutMs).arg(serverStatementTimeoutMs));
    return options.join(u';');
}

ArchiveSettings loadArchiveSettings(const QStringList &files)
{
    ArchiveSettings settings;
    for (const QString &file : files) {
        if (!QFileInfo(file).isFile())
            continue;
        QSettings ini(file, QSettings::IniFormat);
        ini.beginGroup(QStringLiteral("archivio"));
        if (!ini.contains(QStringLiteral("tipo")))
            continue;
        const QString kind = ini.value(QStringLiteral("tipo")).toString().trimmed().toLower();
        settings = ArchiveSettings();
        settings.settingsFile = file;
        if (kind == QLatin1String("locale"))
            continue;
        settings.kind = ArchiveSettings::Kind::Server;
        settings.host = ini.value(QStringLiteral("host")).toString().trimmed();
        settings.database = ini.value(QStringLiteral("database"), QStringLiteral("censaria")).toString().trimmed();
        settings.user = ini.value(QStringLiteral("user"), QStringLiteral("censaria")).toString().trimmed();
        settings.passwordFile = ini.value(QStringLiteral("passwordfile")).toString().trimmed();
        settings.teacherUser = ini.value(QStringLiteral("insegnante"), QStringLiteral("censaria_insegnante")).toString().trimmed();
        settings.sslmode = ini.value(QStringLiteral("sslmode"), QStringLiteral("verify-full")).toString().trimmed();
        settings.sslrootcert = ini.value(QStringLiteral("sslrootcert"), QStringLiteral("/etc/censaria/root.crt")).toString().trimmed();
        bool portOk = true;
        settings.port = ini.value(QStringLiteral("port"), 5432).toInt(&portOk);
        if (kind != QLatin1String("server"))
            settings.problem = QStringLiteral("«tipo=%1» non è un tipo di archivio: scrivete «locale» oppure «server».").arg(kind);
        else if (settings.host.isEmpty())
            settings.problem = QStringLiteral("manca il nome del server («host=»).");
        else if (!portOk || settings.port <= 0 || settings.port > 65535)
            settings.problem = QStringLiteral("la porta del server («port=») non è un numero da 1 a 65535.");
        else if (!sslModes.contains(settings.sslmode))
            settings.problem = QStringLiteral("«sslmode=%1» non è un modo di collegamento: scrivete verify-full (il più sicuro), "
                                              "verify-ca, require, prefer, allow oppure disable.")
                                   .arg(settings.sslmode);
        else if (!safeOptionValue(settings.sslrootcert))
            settings.problem = QStringLiteral("il percorso del certificato («sslrootcert=») contiene caratteri che non si possono usare.");
    }
    return settings;
}

QStringList archiveSettingsFiles(const QString &dataFolderFile)
{
    return {dataFolderFile, QStringLiteral("/etc/censaria/censaria.ini")};
}

QString readServerPassword(const ArchiveSettings &settings, QString *problem)
{
    if (settings.passwordFile.isEmpty())
        return {};
    QFile file(settings.passwordFile);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = QStringLiteral("non riesco a leggere il file della password %1 (deve essere leggibile dal gruppo censaria).")
                       .arg(settings.passwordFile);
        return {};
    }
    if (file.permissions() & QFileDevice::ReadOther) {
        *problem = QStringLiteral("il file della password %1 è leggibile da tutti gli utenti del computer: "
                                  "rendetelo leggibile solo dal gruppo censaria (chmod 640).")
                       .arg(settings.passwordFile);
        return {};
    }
    return QString::fromUtf8(file.readLine()).trimmed();
}

} // namespace censaria
