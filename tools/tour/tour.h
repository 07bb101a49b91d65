#pragma once

#include "testsupport/censariatest.h"

#include <QDir>

class QWidget;

namespace censaria::tour {

// Writes numbered PNGs of screens into one folder.
class Tour
{
public:
    Tour(const QString &outputFolder, const QSize &display);

    TestProgram &program() { return *program_; }
    // The screen as shown, with an optional dialog drawn over its middle.
    void save(const QString &name, QWidget *screen, QWidget *dialog = nullptr);
    void save(const QString &name, const QString &formName);
    // The screen with a message the program gave drawn over it, as the real message box.
    void saveMessage(const QString &name, QWidget *screen, const RecordedMessage &message);
    // The same for the last message given.
    void saveLastMessage(const QString &name, QWidget *screen);
    int saved() const { return count_; }
    // A file of another kind (a CSV, a PDF) written beside the pictures.
    QString outputPath(const QString &fileName) const { return output_.filePath(fileName); }

private:
    QDir output_;
    std::unique_ptr<TestProgram> program_;
    int count_ = 0;
};

// A page of a PDF (the first unless told) as it comes out on paper, in a widget the tour can save.
std::unique_ptr<QWidget> paperPage(const QString &pdf, int page = 1);

// Each subsystem adds its states from a file of its own in tools/tour/:
//   static const bool registered = addTourStep(20, "results", &tourResults);
// Steps run in the order of their rank, all on the same running program.
using TourStep = void (*)(Tour &);
bool addTourStep(int rank, const char *name, TourStep step);
void runTourSteps(Tour &tour);

} // namespace censaria::tour
