#pragma once

#include <QObject>
#include <memory>

namespace censaria {

class Archive;
class Module;
enum class ArchiveProblem;

// The teacher's way into the school's results when the archive is on the server: a
// connection of the teachers' role (censaria.ini's "insegnante="), whose password the
// teacher types when the screen first needs it, or keeps in his own ~/.pgpass (0600).
// The classroom role cannot read at all. The connection, password and all, lasts only
// while the screen that asked stays open: it goes when that screen is hidden.
class ServerLogin : public QObject
{
    Q_OBJECT
public:
    ServerLogin(Module &module, QObject *screen);
    ~ServerLogin() override;

    // Whether this PC's archive is on a server, where reading takes the teacher.
    bool needed() const;
    // The teachers' connection, asking the password first when none is open; nullptr,
    // after saying why, when the teacher cancels or the server turns him away.
    Archive *archive();
    // The connection when one is open; never asks.
    Archive *openArchive() const;
    void forget();

signals:
    void forgotten();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void say(ArchiveProblem problem, const Archive &teacher);
    void tellAboutQueue();

    Module &module_;
    std::unique_ptr<Archive> teacher_;
};

} // namespace censaria
