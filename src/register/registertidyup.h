#pragma once

#include "platform/platform.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace censaria {
class Archive;
}

namespace censaria::classregister {

class RegisterKeeper;

// The register's tidy-ups as the teacher meets them: the chosen rows checked, the
// question asked, the work done by RegisterKeeper (a copy kept first), a failure told
// in words. Only this computer's own archive is tidied: neither the collected archives
// the register may show nor the school server's, which is tidied on the server.
class RegisterTidyUp
{
public:
    // The copies go into copiesFolder; the messages come in boxes with the given title.
    RegisterTidyUp(const Platform &platform, Archive &archive, QString copiesFolder, QString title);

    // Each true when the archive was worked on, so that the register reads it again.
    // names: of the rows the teacher chose; showingLocal: the register shows
    // this computer's archive rather than collected ones.
    bool joinPupils(const QStringList &names, bool showingLocal);
    bool deletePupil(const QStringList &names, bool showingLocal);
    bool startNewYear(bool showingLocal);

private:
    bool mayChange(bool showingLocal);
    // failure holds %1 for why the work failed.
    void run(const QString &failure, const std::function<bool(RegisterKeeper &)> &work);
    void say(const QString &text, MessageIcon icon = MessageIcon::None);

    const Platform &platform_;
    Archive &archive_;
    QString copies_;
    QString title_;
};

} // namespace censaria::classregister
