#include "screenkit/clicklabel.h"
#include "screenkit/forms.h"
#include "platform/qtplatform.h"
#include "register/registerdocument.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "tour.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QLineEdit>
#include <QPdfWriter>
#include <QTableView>
#include <QTemporaryDir>

namespace censaria::tour {
namespace {

QDateTime at(int day, int hour)
{
    return QDateTime(QDate(2026, 3, day), QTime(hour, 15, 0));
}

// Three classroom computers' collected archives of one class, some pupils on two of them.
QStringList collectedArchives(const QString &folder)
{
    const QStringList pupils = {QStringLiteral("ROSSI MARIO"),    QStringLiteral("D'ANGELO SARA"),  QStringLiteral("DE LUCA PAOLO"),
                                QStringLiteral("BIANCHI GIULIA"), QStringLiteral("ÈRCOLI ANNA"),    QStringLiteral("ESPOSITO GINO"),
                                QStringLiteral("FERRARI LUCA"),   QStringLiteral("ROMANO CHIARA"),  QStringLiteral("COLOMBO MATTEO"),
                                QStringLiteral("RICCI SOFIA"),    QStringLiteral("MARINO ALESSIO"), QStringLiteral("GRECO MARTINA")};
    QStringList files;
    for (int pc = 0; pc < 3; ++pc) {
        const QString file = QDir(folder).filePath(QStringLiteral("pc%1/exportcensa.mdb").arg(pc + 1));
        QDir().mkpath(QFileInfo(file).path());
        Archive::createEmpty(file);
        Archive archive(file);
        archive.open();
        for (int i = 0; i < pupils.size(); ++i) {
            if (i % 3 != pc && (i + 1) % 4 != pc)
                continue;
            for (int topic = 0; topic < 10; ++topic) {
                if ((i * 7 + topic * 3 + pc) % 5 == 0)
                    continue; // not done yet
                const int right = (i * 5 + topic * 3 + pc * 2) % 11;
                archive.writeResult(QStringLiteral("questionari"), pupils[i],
                                    {{2 + 2 * topic, right}, {3 + 2 * topic, at(2 + topic + pc, 9 + i % 5)}});
            }
            if (i % 2 == 0) {
                const int right = 3 + i % 6, wrong = i % 4;
                archive.writeResult(QStringLiteral("esercizi"), pupils[i],
                                    {{2, right}, {3, wrong}, {4, 100 * right / (right + wrong)}, {5, at(16, 10)}});
            }
        }
        files << file;
    }
    return files;
}

// The first page of the register as the printer puts it on paper.
std::unique_ptr<QWidget> printedPage(classregister::RegisterScreen &screen)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("registro.pdf"));
    {
        QPdfWriter writer(pdf);
        const classregister::RegisterDocument document(screen.model(), screen.filter().shownRows(),
                                                       {QStringLiteral("3ª B"), QStringLiteral("Scuola secondaria di primo grado «G. Pascoli»"),
                                                        QDate(2026, 3, 20), QStringLiteral("3 archivi raccolti"), 0, QString()});
        document.preparePage(writer);
        document.draw(writer);
    }
    return paperPage(pdf);
}

// A password question over the results screen, the typing hidden.
void savePasswordQuestion(Tour &tour, const QString &name, const QString &prompt, const QString &title)
{
    std::unique_ptr<QInputDialog> question(QtDialogs::makeInputDialog(prompt, title, nullptr));
    question->setTextEchoMode(QLineEdit::Password);
    question->setTextValue(QStringLiteral("segreto-1"));
    question->show();
    tour.save(name, tour.program().screen(forms::results), question.get());
    question->hide();
}

void tourRegister(Tour &tour)
{
    TestProgram &program = tour.program();
    program.module().navigation().show(forms::results);

    // The password question as the teacher sees it, the typing hidden: asked once and
    // cancelled, to draw it with the very words the program used.
    program.dialogs().passwords.clear();
    program.control<ClickLabel>(forms::results, QStringLiteral("LabREGISTRO"))->click();
    savePasswordQuestion(tour, QStringLiteral("register-password"), program.dialogs().passwordPrompts.last(),
                         QStringLiteral("Registro della classe"));

    program.dialogs().passwords = {QStringLiteral("segreto-1"), QStringLiteral("segreto-1")};
    program.control<ClickLabel>(forms::results, QStringLiteral("LabREGISTRO"))->click();
    auto *screen = static_cast<classregister::RegisterScreen *>(program.screen(forms::classRegister));
    program.control<QLineEdit>(forms::classRegister, QStringLiteral("classBox"))->setText(QStringLiteral("3ª B"));
    program.control<QLineEdit>(forms::classRegister, QStringLiteral("schoolBox"))->setText(QStringLiteral("Scuola «G. Pascoli»"));
    QTemporaryDir sticks;
    screen->showCollected(collectedArchives(sticks.path()));
    tour.save(QStringLiteral("register-merged"), forms::classRegister);

    // On a board no mouse hovers: the dates under the results, and a chart for the class.
    auto *dates = program.control<QAbstractButton>(forms::classRegister, QStringLiteral("datesBox"));
    dates->click();
    tour.save(QStringLiteral("register-with-dates"), forms::classRegister);
    dates->click();
    program.control<QAbstractButton>(forms::classRegister, QStringLiteral("averagesChartFullScreen"))->click();
    if (QWidget *view = fullScreenView(screen)) {
        tour.save(QStringLiteral("register-chart-full-screen"), view);
        view->close();
    }

    auto *table = program.control<QTableView>(forms::classRegister, QStringLiteral("registerTable"));
    const int average = int(classregister::RegisterColumn::all().size()) - 1;
    table->sortByColumn(average, Qt::DescendingOrder);
    table->scrollTo(table->model()->index(0, average));
    tour.save(QStringLiteral("register-sorted-by-average"), forms::classRegister);

    program.control<QLineEdit>(forms::classRegister, QStringLiteral("filterBox"))->setText(QStringLiteral("ro"));
    tour.save(QStringLiteral("register-filtered"), forms::classRegister);
    program.control<QAbstractButton>(forms::classRegister, QStringLiteral("distributionChartFullScreen"))->click();
    if (QWidget *view = fullScreenView(screen)) {
        tour.save(QStringLiteral("register-filtered-chart-full-screen"), view);
        view->close();
    }
    program.control<QLineEdit>(forms::classRegister, QStringLiteral("filterBox"))->clear();
    table->sortByColumn(0, Qt::AscendingOrder);

    // The spreadsheet and the PDF as the teacher saves them, to open by hand.
    program.dialogs().savePaths = {tour.outputPath(QStringLiteral("registro.csv")), tour.outputPath(QStringLiteral("registro.pdf"))};
    program.control<QAbstractButton>(forms::classRegister, QStringLiteral("csvButton"))->click();
    program.control<QAbstractButton>(forms::classRegister, QStringLiteral("pdfButton"))->click();

    const std::unique_ptr<QWidget> page = printedPage(*screen);
    tour.save(QStringLiteral("register-printed-page"), page.get());

    program.control<QAbstractButton>(forms::classRegister, QStringLiteral("menuButton"))->click();

    // With the teacher's password set, a pupil looking up a classmate is asked for it.
    program.control<QAbstractButton>(forms::menu, QStringLiteral("Cmdarchivio"))->click();
    program.control<QLineEdit>(forms::results, QStringLiteral("Text2"))->setText(QStringLiteral("bianchi"));
    program.control<QLineEdit>(forms::results, QStringLiteral("Text1"))->setText(QStringLiteral("giulia"));
    program.control<ClickLabel>(forms::results, QStringLiteral("LabCERCA"))->click();
    savePasswordQuestion(tour, QStringLiteral("results-teacher-password"), program.dialogs().passwordPrompts.last(), forms::programTitle);
    program.control<ClickLabel>(forms::results, QStringLiteral("Labmenù"))->click();
}

const bool registered = addTourStep(21, "register", &tourRegister);

} // namespace
} // namespace censaria::tour
