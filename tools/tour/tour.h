#pragma once

#include "testsupport/censariatest.h"

#include <QDir>

class QWidget;

namespace censaria::tour {

// Writes numbered PNGs of screens into one folder.
class Tour
{
public:
    explicit Tour(const QString &outputFolder);

    TestProgram &program() { return *program_; }
    // The screen as shown, with an optional dialog drawn over its middle.
    void save(const QString &name, QWidget *screen, QWidget *dialog = nullptr);
    void save(const QString &name, const QString &formName);
    int saved() const { return count_; }

private:
    QDir output_;
    std::unique_ptr<TestProgram> program_;
    int count_ = 0;
};

// Each subsystem adds its states.
void tourApp(Tour &tour);

} // namespace censaria::tour
