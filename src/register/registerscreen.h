#pragma once

#include "results/serverlogin.h"
#include "screenkit/navigation.h"
#include "screenkit/screen.h"
#include "screenkit/teachergate.h"
#include "platform/platform.h"
#include "pupilrecord.h"
#include "registeroutputs.h"

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace censaria::classregister {

class RegisterChart;
class RegisterDocument;
class RegisterFilter;
class RegisterModel;
class RegisterTidyUp;
class SummaryModel;

// The teacher's register: every pupil of this computer's archive, or of collected
// archives merged, in one table with the class averages and a chart; the register as
// a spreadsheet, on paper or as PDF; and the tidy-up of the archive. Behind the
// teacher's password.
class RegisterScreen : public Screen, public GuardedScreen
{
    Q_OBJECT
public:
    explicit RegisterScreen(Module &module);
    ~RegisterScreen() override;

    // Asks the password (to choose on the first opening), then reads this computer's archive.
    bool admit() override;

    RegisterModel &model() const { return *model_; }
    RegisterFilter &filter() const { return *filter_; }
    RegisterChart &chart() const { return *chart_; }
    QString settingsFile() const;

    // The actions of the buttons, for tests and the tour as much as for the clicks.
    bool showThisComputer();
    bool showCollected(const QStringList &files);
    void chooseCollected();
    void exportCsv();
    void printRegister();
    void savePdf();
    void joinPupils();
    void deletePupil();
    void startNewYear();

private:
    void showRecords(QList<PupilRecord> records, const QString &sources, bool local);
    void say(const QString &text, censaria::MessageIcon icon = censaria::MessageIcon::None);
    QStringList selectedNames() const;
    // The tidy-ups of this computer's archive; after one the register reads it again.
    RegisterTidyUp tidyUp();
    // The register as it is shown now, for one output.
    RegisterDocument document() const;
    void showDates(bool shown);
    void keepHeadingBoxes();
    void fitColumns();
    void goBackToResults();

    TeacherGate gate_;
    ServerLogin serverLogin_; // with the archive on the server, the teachers' role guards the register
    RegisterOutputs outputs_;
    RegisterModel *model_;
    RegisterFilter *filter_;
    SummaryModel *summary_;
    QTableView *table_;
    QTableView *totals_;
    RegisterChart *chart_;
    QLabel *sources_;
    QLineEdit *classBox_;
    QLineEdit *schoolBox_;
    QLineEdit *filterBox_;
    QCheckBox *datesBox_;
    QString sourceText_;
    bool local_ = true;
};

} // namespace censaria::classregister
