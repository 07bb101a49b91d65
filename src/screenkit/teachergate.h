#pragma once

#include "register/teacherpassword.h"

#include <QString>

namespace censaria {

class Module;

// The teacher's password in front of what only the teacher may see: the class register,
// and other pupils' results on the results screen. One password, one count of wrong
// tries and one pause for both; each wrong try also waits a moment. Once the right
// password is typed the gate stays open until close().
class TeacherGate
{
public:
    explicit TeacherGate(Module &module);

    // Whether a password guards this computer: one is set, or a file is there that cannot
    // be used (which keeps the gate shut until it is mended).
    bool guards() const;
    void close() { open_ = false; }
    QString passwordFile() const { return password_.passwordFile(); }

    // True without asking while open or while no password guards this computer; else
    // asks it with prompt, saying why when it is not taken.
    bool admit(const QString &prompt, const QString &title);
    // The register's way in: the password asked with prompt; with none set yet, the
    // teacher chooses one here, or, where the technician sets it, is told how.
    bool admitToRegister(const QString &prompt, const QString &title);

private:
    bool ask(const QString &prompt, const QString &title);
    bool choose(const QString &title);
    bool technicianSets() const { return !technicianCommand_.isEmpty(); }
    QString wayOut() const;
    QString unusableText() const;

    Module &module_;
    classregister::TeacherPassword password_;
    QString technicianCommand_;
    bool open_ = false;
};

} // namespace censaria
