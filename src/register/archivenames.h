#pragma once

#include "platform/platform.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace censaria::classregister {

// How the register names where its results come from, in words a teacher recognises:
// a collected archive by its file name with the folder or medium it came in (often named
// after the classroom computer), never by a temporary folder's path.
QString collectedArchiveName(const QString &file, const QList<Medium> &media);
QString collectedArchivesNames(const QStringList &files, const QList<Medium> &media);
// This computer, with its name on the network.
QString thisComputerName();

} // namespace censaria::classregister
