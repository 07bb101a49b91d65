#include "lessons/lessoncatalogue.h"
#include "questionnaires/questionbanks.h"
#include "questionnaires/questionnairesession.h"
#include "wholeprogram.h"

#include <QTableWidget>

using namespace censaria;
using whole::press;
using whole::shown;

namespace {

constexpr int rowCount = QuestionnaireSession::rowCount;
// The bank's statements in the order the rows are to show them.
constexpr int order[rowCount] = {3, 7, 0, 9, 5, 1, 8, 2, 6, 4};
// The rows the pupil answers wrongly.
const QList<int> wrongRows = {2, 6};
const QColor red(255, 0, 0);

} // namespace

// The road of one questionnaire, from the main menu to the printed page, on the real screens.
class TestQuestionnaireRoad : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program_;

    template <typename T>
    T *inRow(const char *name, int row)
    {
        for (T *control : program_->screen(forms::questionnaire)->findChildren<T *>(QString::fromUtf8(name)))
            if (control->property("index") == row)
                return control;
        return nullptr;
    }
    QString text(const QString &form, const char *name) { return program_->text(form, QString::fromUtf8(name)); }

private slots:
    void init() { program_ = std::make_unique<TestProgram>(); }
    void cleanup() { program_.reset(); }

    void fromTheMenuToPaper()
    {
        const QDateTime recorded(QDate(2026, 5, 4), QTime(9, 15, 30));
        program_->clock().time = recorded;
        QVERIFY(program_->start());
        const QuestionBank &bank = *bankByLoader(QStringLiteral("QStoria1"));

        // 1. The menu opens the first lesson page.
        QVERIFY(press(*program_, "Fmenù/Cmdstoria"));
        QCOMPARE(shown(*program_), QStringList{forms::lessons});
        QCOMPARE(program_->module().chiamante, QStringLiteral("Storia1"));
        QCOMPARE(text(forms::lessons, "LabTITOLO"), lessonTopic(QStringLiteral("Storia1"))->title);

        // 2. Its destination button deals the ten statements in the order the draws say;
        // a draw of a statement already dealt is drawn again.
        QList<double> draws;
        for (int row = 0; row < rowCount; ++row) {
            draws.append((order[row] + 0.5) / rowCount);
            if (row == 4)
                draws.append(0.0); // statement 0, dealt to row 2 already
        }
        program_->random().queue(draws);
        QVERIFY(press(*program_, "FLezioni/CmdDestina"));
        QCOMPARE(shown(*program_), QStringList{forms::questionnaire});
        QCOMPARE(program_->module().chiamante, QStringLiteral("Storia1"));
        QCOMPARE(program_->text(forms::questionnaire, "Text2"), bank.title);
        for (int row = 0; row < rowCount; ++row)
            QCOMPARE(inRow<QLineEdit>("Text1", row)->text(), bank.statements[order[row]].text);

        // 3. V or F on every row, two of them wrong, then "RISULTATO"...
        for (int row = 0; row < rowCount; ++row) {
            const bool vero = bank.statements[order[row]].isTrue != wrongRows.contains(row);
            QVERIFY(press(*program_, QStringLiteral("FQuestionario/%1[%2]").arg(vero ? "Check1" : "Check2").arg(row)));
        }
        // 4. ...which asks the pupil's name, the first time one is needed.
        program_->dialogs().queueAnswer(QStringLiteral("  rossi   mario "));
        QVERIFY(press(*program_, "FQuestionario/CMDRISULT"));
        QCOMPARE(program_->dialogs().inputTitles, QStringList{forms::programTitle});
        QCOMPARE(program_->module().nomealunno, QStringLiteral("ROSSI MARIO"));
        QCOMPARE(text(forms::questionnaire, "LabGiusti"), QStringLiteral("8"));
        QCOMPARE(text(forms::questionnaire, "LabSbagli"), QStringLiteral("2"));
        for (int row = 0; row < rowCount; ++row)
            QCOMPARE(inRow<QLineEdit>("Text1", row)->palette().color(QPalette::Base) == red, wrongRows.contains(row));
        QVERIFY(!program_->control<QAbstractButton>(forms::questionnaire, "CMDRISULT")->isEnabled());

        // The count and the time are in the pupil's row, for anyone opening the archive.
        Archive archive(program_->archivePath());
        QCOMPARE(archive.open(), ArchiveProblem::None);
        const auto row = archive.findRow(QStringLiteral("questionari"), QStringLiteral("ROSSI MARIO"));
        QVERIFY(row);
        QCOMPARE(row->at(2).toInt(), 8);
        QCOMPARE(row->at(3).toDateTime(), recorded);
        archive.close();

        // 5. "Archivio dei risultati" shows the count and the date, without asking again.
        QVERIFY(press(*program_, "FQuestionario/Cmdarchivio"));
        QCOMPARE(shown(*program_), QStringList{forms::results});
        QCOMPARE(program_->module().chiamante, forms::questionnaire);
        QCOMPARE(program_->dialogs().prompts.size(), 1);
        // Found among the questionnaires only: the title still names whose rows these are.
        QCOMPARE(text(forms::results, "LabNOME"), QStringLiteral("ROSSI MARIO"));
        const auto *grid = program_->control<QTableWidget>(forms::results, "Grid1");
        QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("I 3 periodi-introduzione"));
        QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("8"));
        QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("04/05/2026 09:15:30"));
        for (int other = 2; other < grid->rowCount(); ++other) {
            QCOMPARE(grid->item(other, 1)->text(), QStringLiteral("0"));
            QCOMPARE(grid->item(other, 2)->text(), QString());
        }
        // The pupil has done no exercise yet.
        QCOMPARE(program_->dialogs().messageTexts(), QStringList(1, QStringLiteral("Nome non trovato in 'Esercizi'")));

        // 6. "STAMPA i risultati" prints the pupil's page (laid out as tst_resultsreport checks).
        QVERIFY(press(*program_, "FRisultati/LabSTAMPA"));
        QCOMPARE(program_->printer().documents.size(), 1);
        const QStringList page = program_->printer().documents.first();
        QCOMPARE(page.size(), 26); // the questionnaires only
        QCOMPARE(page[1], QStringLiteral("      ROSSI MARIO"));
        // The count at column 35, the time at column 45.
        QCOMPARE(page[6], QStringLiteral("I 3 periodi-introduzione").leftJustified(34) + QStringLiteral(" 8        04/05/2026 09:15:30"));
        // Printed without a complaint other than the missing exercises, once more.
        QCOMPARE(program_->dialogs().messageTexts(), QStringList(2, QStringLiteral("Nome non trovato in 'Esercizi'")));

        // "TORNA" goes back to the questionnaire, emptied for the archive, red marks and all,
        // but with its ticks and its totals.
        QVERIFY(press(*program_, "FRisultati/Labtorna"));
        QCOMPARE(shown(*program_), QStringList{forms::questionnaire});
        QCOMPARE(program_->module().chiamante, forms::results);
        QCOMPARE(program_->text(forms::questionnaire, "Text2"), QString());
        QCOMPARE(text(forms::questionnaire, "LabGiusti"), QStringLiteral("0"));
        QCOMPARE(text(forms::questionnaire, "LabgiustiTOT"), QStringLiteral("8"));
        QCOMPARE(text(forms::questionnaire, "LabSBtot"), QStringLiteral("2"));
        for (int row = 0; row < rowCount; ++row) {
            QCOMPARE(inRow<QLineEdit>("Text1", row)->text(), QString());
            QVERIFY(inRow<QLineEdit>("Text1", row)->palette().color(QPalette::Base) != red);
            QVERIFY(inRow<QAbstractButton>("Check1", row)->isChecked() || inRow<QAbstractButton>("Check2", row)->isChecked());
        }
    }
};

QTEST_MAIN(TestQuestionnaireRoad)
#include "tst_questionnaireroad.moc"
