#pragma once

#include <QByteArray>
#include <QString>

namespace censaria {

// Writes a file that only root (or the account running the command) may change, for a
// command run with sudo, in a way no other account can turn against it:
// - every folder on the way is opened without following a link, and must belong to
//   root or to the account running the command and be writable by no one else (a
//   sticky folder such as /tmp aside, where no one can rename what is not his);
// - the last folder is made when missing, mode 0755, and must be writable by no one else;
// - the file goes to a new name first (never one that exists) and is then renamed over
//   the old one, so a link planted in its place is replaced, never followed, and a
//   reader finds the old file or the new one whole, even after a power cut.
// The file gets the given group and mode. False with the reason, in Italian, in error.
bool writeProtectedFile(const QString &path, const QByteArray &contents, const QString &group, int mode, QString *error);

} // namespace censaria
