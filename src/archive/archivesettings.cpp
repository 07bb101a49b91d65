#include "archivesettings.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace censaria {

QString ArchiveSettings::serverText() const
{
    return QStringLiteral("database «%1» sul server %2 (porta %3)").arg(database, host).arg(port);
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
        settings.sslmode = ini.value(QStringLiteral("sslmode"), QStringLiteral("prefer")).toString().trimmed();
        bool portOk = true;
        settings.port = ini.value(QStringLiteral("port"), 5432).toInt(&portOk);
        if (kind != QLatin1String("server"))
            settings.problem = QStringLiteral("«tipo=%1» non è un tipo di archivio: scrivete «locale» oppure «server».").arg(kind);
        else if (settings.host.isEmpty())
            settings.problem = QStringLiteral("manca il nome del server («host=»).");
        else if (!portOk || settings.port <= 0 || settings.port > 65535)
            settings.problem = QStringLiteral("la porta del server («port=») non è un numero da 1 a 65535.");
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
