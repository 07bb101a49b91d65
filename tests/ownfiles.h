#pragma once

// What the tests of files need: the group the test runs in (the tests cannot make one
// of their own), a file's bytes as they are now, and a file written whole.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <grp.h>
#include <unistd.h>

inline QString ownGroup()
{
    const struct group *entry = getgrgid(getegid());
    return entry ? QString::fromLocal8Bit(entry->gr_name) : QString();
}

inline QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
