// The sheets a teacher hands out, read back from the PDF as a reader gets them
// (pdftotext): their pages, the pupil's part apart from the key, and what they say.
#include "exercises/exercisesheets.h"
#include "ownfiles.h"
#include "pdftext.h"
#include "platform/random.h"
#include "questionnaires/questionbanks.h"
#include "questionnaires/questionnairescreen.h"
#include "programtest.h"

using namespace censaria;

namespace {

// A text as pdftotext gives it back: one blank between words, and compatibility forms
// folded (the ² of km² comes back as 2).
QString simple(const QString &text)
{
    return text.normalized(QString::NormalizationForm_KC).simplified();
}

// The pages of the last document printed, read back; empty (and a failure noted) when none.
QStringList printedPages(TestProgram &program)
{
    if (program.pagePrinter().documents.isEmpty())
        return {};
    const std::optional<QStringList> pages = pdftest::pageTexts(program.pagePrinter().documents.last());
    return pages.value_or(QStringList{QStringLiteral("pdftotext non disponibile")});
}

// The first page that holds text, or -1.
int pageWith(const QStringList &pages, const QString &text)
{
    for (int i = 0; i < pages.size(); ++i)
        if (pages[i].contains(text))
            return i;
    return -1;
}

} // namespace

class TestPaper : public ProgramTest
{
    Q_OBJECT

    // A name ready for the questionnaires' question.
    void beforeStart() override { program_->dialogs().queueAnswer(QStringLiteral("Rossi Mario")); }

private slots:
    void initTestCase()
    {
        QProcess probe;
        probe.start(QStringLiteral("pdftotext"), {QStringLiteral("-v")});
        QVERIFY2(probe.waitForFinished(10000), "pdftotext (poppler-utils) is needed: scripts/test installs it");
    }

    // Each questionnaire on paper: the pupil's page with the ten statements of the bank,
    // boxes V and F and lines for name, class and date; the key alone on the next page,
    // each statement with its own answer.
    void questionnaireSheetForEveryBank_data()
    {
        QTest::addColumn<QString>("loader");
        for (const QuestionBank &bank : questionBanks())
            QTest::newRow(qPrintable(bank.loader)) << bank.loader;
    }

    void questionnaireSheetForEveryBank()
    {
        QFETCH(QString, loader);
        QVERIFY(program_->module().navigation().showQuestionnaire(loader));
        program_->dialogs().choices = {0};
        program_->click(forms::questionnaire, QStringLiteral("printSheetButton"));
        QCOMPARE(program_->pagePrinter().documents.size(), 1);
        QCOMPARE(pdftest::firstMediaBox(program_->pagePrinter().documents[0]), QStringLiteral("595 842"));
        const QStringList pages = printedPages(*program_);
        QCOMPARE(pages.size(), 2);

        const QuestionBank &bank = *bankByLoader(loader);
        const QString &sheet = pages[0];
        for (const QString &line : {QStringLiteral("Nome e cognome"), QStringLiteral("Classe"), QStringLiteral("Data"), simple(bank.title)})
            QVERIFY2(sheet.contains(line), qPrintable(line));
        for (const QuestionBank::Statement &statement : bank.statements)
            QVERIFY2(sheet.contains(simple(statement.text)), qPrintable(statement.text + QStringLiteral(" in ") + sheet));
        QVERIFY(!sheet.contains(QStringLiteral("(vera)")) && !sheet.contains(QStringLiteral("(falsa)")));

        // In the key every statement stands in its row with its own answer.
        const QString &key = pages[1];
        QVERIFY(key.startsWith(QStringLiteral("Soluzioni")));
        int number = 0;
        for (const QuestionBank::Statement &statement : bank.statements) {
            const QString row = QStringLiteral("%1 %2 %3")
                                    .arg(++number)
                                    .arg(statement.isTrue ? QStringLiteral("V (vera)") : QStringLiteral("F (falsa)"), simple(statement.text));
            QVERIFY2(key.contains(row), qPrintable(row));
        }
        const int vere = int(std::count_if(bank.statements.begin(), bank.statements.end(), [](const auto &s) { return s.isTrue; }));
        QVERIFY(key.contains(QStringLiteral("Affermazioni vere: %1 su 10").arg(vere)));
    }

    // Nothing to print before a questionnaire is chosen; without a printer the PDF is offered
    // and written whole, with the questionnaire's name in the suggested file name.
    void questionnaireSheetAsPdf()
    {
        program_->module().navigation().show(forms::questionnaire);
        QVERIFY(!program_->control<QAbstractButton>(forms::questionnaire, QStringLiteral("printSheetButton"))->isEnabled());
        program_->module().navigation().showQuestionnaire(QStringLiteral("Qpiramide2"));
        QVERIFY(program_->control<QAbstractButton>(forms::questionnaire, QStringLiteral("printSheetButton"))->isEnabled());

        program_->pagePrinter().present = false;
        const QString pdf = QDir(program_->driveA()).filePath(QStringLiteral("piramidi.pdf"));
        program_->dialogs().choices = {0};
        program_->dialogs().savePaths = {pdf};
        program_->click(forms::questionnaire, QStringLiteral("printSheetButton"));
        QVERIFY(program_->dialogs().choiceTexts.last().contains(QStringLiteral("Non trovo nessuna stampante")));
        QVERIFY(program_->dialogs().suggestedSavePaths.last().endsWith(QStringLiteral("questionario-Piramidi-2026-03-12.pdf")));
        const std::optional<QStringList> pages = pdftest::pageTexts(contentOf(pdf));
        QVERIFY(pages);
        QCOMPARE(pages->size(), 2);
        QVERIFY(pages->at(0).contains(simple(bankByLoader(QStringLiteral("Qpiramide2"))->statements[6].text)));
        QVERIFY(program_->dialogs().messages.last().text.startsWith(QStringLiteral("La scheda è nel file")));
    }

    // A sheet of rates problems drawn as the screen draws them: the given figures on the
    // pupil's pages, every answer worked out on the key's pages that follow them.
    void ratesSheet()
    {
        program_->open(forms::rates);
        program_->dialogs().choices = {1, 0}; // six problems, printed
        program_->click(forms::rates, QStringLiteral("printSheetButton"));
        QVERIFY(program_->dialogs().choiceTexts.first().startsWith(QStringLiteral("Quanti esercizi")));
        const QStringList pages = printedPages(*program_);
        QVERIFY2(pages.size() >= 2, qPrintable(pages.join(u'|')));
        const int key = pageWith(pages, QStringLiteral("Soluzioni: esercizi sui TASSI"));
        QVERIFY(key > 0);
        const QString sheet = pages.mid(0, key).join(u' ');
        const QString solutions = pages.mid(key).join(u' ');
        QVERIFY(sheet.contains(QStringLiteral("Nome e cognome")));
        QVERIFY(!sheet.contains(QStringLiteral("Soluzioni")));

        // The same draws again: the generator seeded from the same clock.
        RandomGenerator random;
        const RatesSheet again(random, program_->clock(), 6);
        QCOMPARE(again.problems().size(), 6);
        for (int i = 0; i < again.problems().size(); ++i) {
            const RatesExercise &p = again.problems()[i];
            QVERIFY(sheet.contains(QStringLiteral("Esercizio %1").arg(i + 1)));
            for (const int given : {p.popiniziale1, p.popiniziale2, p.nati2, p.morti2})
                QVERIFY2(sheet.contains(QString::number(given)), qPrintable(QString::number(given)));
            for (const RatesExercise::Answer answer :
                 {RatesExercise::Nati1, RatesExercise::Morti1, RatesExercise::Saldo1, RatesExercise::PopFinale1, RatesExercise::TassoNat2,
                  RatesExercise::TassoMort2, RatesExercise::Saldo2, RatesExercise::PopFinale2})
                QVERIFY2(solutions.contains(simple(QString(p.solution(answer)).replace(u'\n', u' '))), qPrintable(p.solution(answer)));
        }
    }

    // A sheet of balances problems: the data, the sign boxes, the four kinds of region and
    // the six facts for the pupil; the balances, the signs, the region and its facts in the key.
    void balancesSheet()
    {
        program_->open(forms::balances);
        program_->dialogs().choices = {0, 0}; // four problems, printed
        program_->click(forms::balances, QStringLiteral("printSheetButton"));
        const QStringList pages = printedPages(*program_);
        const int key = pageWith(pages, QStringLiteral("Soluzioni: esercizi sui SALDI"));
        QVERIFY2(key > 0, qPrintable(pages.join(u'|')));
        const QString sheet = pages.mid(0, key).join(u' ');
        const QString solutions = pages.mid(key).join(u' ');

        RandomGenerator random;
        const BalancesSheet again(random, program_->clock(), 4);
        for (int i = 0; i < 4; ++i) {
            const BalancesExercise &p = again.problems()[i];
            for (const QString &given : {QString::number(p.popinizio), QString::number(p.nati), QString::number(p.emigrati),
                                         QString::number(p.immigrati), p.tassoNatText(), p.tassoMortText()})
                QVERIFY2(sheet.contains(given), qPrintable(given));
            for (const BalancesExercise::NumberAnswer answer :
                 {BalancesExercise::SaldoNaturale, BalancesExercise::SaldoMigratorio, BalancesExercise::Pop})
                QVERIFY2(solutions.contains(simple(QString(p.solution(answer)).replace(u'\n', u' '))), qPrintable(p.solution(answer)));
            QVERIFY(solutions.contains(simple(BalancesExercise::optionCaption(BalancesExercise::category(p.tipozona).option))));
        }
        for (int option = 0; option < BalancesExercise::optionCount; ++option)
            QVERIFY(sheet.contains(simple(BalancesExercise::optionCaption(option))));
        for (int fact = 0; fact < BalancesExercise::factCount; ++fact)
            QVERIFY(sheet.contains(simple(BalancesExercise::factCaption(fact))));
        // Two sign questions a problem, none cut in two by a page's end.
        QCOMPARE(sheet.count(QStringLiteral("☐ positivo")), 8);

        // Cancelled at the question of how many: nothing printed.
        program_->dialogs().choices = {3};
        program_->click(forms::balances, QStringLiteral("printSheetButton"));
        QCOMPARE(program_->pagePrinter().documents.size(), 1);
    }

    // The simulation on paper: its graph, with title and years, and the table of every
    // computed year with the rates it was computed with.
    void simulationGraphAndTable()
    {
        program_->open(forms::simulation);
        auto *print = program_->control<QAbstractButton>(forms::simulation, QStringLiteral("printButton"));
        QVERIFY(!print->isEnabled());
        for (const auto &[box, typed] : {std::pair{"Text1", "2000"}, {"txtpopiniziale", "57600000"}, {"txtnatal", "9.4"}, {"Txtmortal", "9.7"}})
            program_->control<QLineEdit>(forms::simulation, QString::fromUtf8(box))->setText(QString::fromUtf8(typed));
        for (int year = 0; year < 3; ++year)
            program_->click(forms::simulation, QStringLiteral("cmdcalcola"));
        QVERIFY(print->isEnabled());
        program_->dialogs().choices = {0};
        print->click();
        const QStringList pages = printedPages(*program_);
        QCOMPARE(pages.size(), 1);
        const QString &page = pages[0];
        for (const QString &expected : {QStringLiteral("Grafico dell'andamento demografico"), QStringLiteral("Anno per anno"),
                                        QStringLiteral("2001 9,4 9,7 541440 558720 -17280 57582720"), QStringLiteral("2003")})
            QVERIFY2(page.contains(expected), qPrintable(expected + QStringLiteral(" in ") + page));
        program_->click(forms::simulation, QStringLiteral("CmdNUOVO"));
        QVERIFY(!print->isEnabled());
    }
};

QTEST_MAIN(TestPaper)
#include "tst_paper.moc"
