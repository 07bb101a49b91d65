#include "screentest.h"
#include "families/familiesscreen.h"

using namespace censaria;

namespace {

const QString introduction = QStringLiteral(
    "Sono presentate 5 famiglie tradizionali (del XVII secolo) e 5 famiglie contemporanee. Osserva con molta attenzione "
    "la loro composizione, l'età degli sposi al matrimonio, quanto tempo passa tra una nascita e l'altra, a quale età "
    "muoiono i figli, quanti figli hanno, i mestieri dei genitori, ecc., poi rispondi alle domande dei due questionari.");

} // namespace

class TestFamiliesScreen : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program_;

    QString text(const QString &label) { return program_->text(forms::families, label); }
    QPushButton *button(const QString &name) { return program_->control<QPushButton>(forms::families, name); }
    // Enabled states of "Famiglia precedente", "Famiglia successiva", "Fam. tradizionali", "Fam. moderne".
    QString states()
    {
        QString s;
        for (const char *name : {"CmdINDIETRO", "CmdAVANTI", "Cmdtrad", "Cmdmod"})
            s += button(QString::fromLatin1(name))->isEnabled() ? u'1' : u'0';
        return s;
    }
    void openFromMenu()
    {
        program_->click(forms::menu, QStringLiteral("Cmdfami"));
    }

private slots:
    void init()
    {
        program_ = std::make_unique<TestProgram>();
        QVERIFY(program_->start());
    }
    void cleanup() { program_.reset(); }

    void opensOnFamilyOneWithTheIntroductionAtTheFirstShowingOnly()
    {
        QVERIFY(program_->dialogs().messages.isEmpty());
        openFromMenu();
        QCOMPARE(program_->visibleScreens(), QStringList{forms::families});
        QCOMPARE(program_->dialogs().messageTexts(), QStringList{introduction});
        QCOMPARE(program_->dialogs().messages.first().title, forms::programTitle);
        // Traditional family one.
        QCOMPARE(text(QStringLiteral("Label2")), QStringLiteral("FAMIGLIE TRADIZIONALI"));
        QCOMPARE(text(QStringLiteral("Labdatmat")), QStringLiteral("8 ottobre 1639"));
        QCOMPARE(text(QStringLiteral("Labgen")).count(u'\n'), 1);  // husband and wife
        QCOMPARE(text(QStringLiteral("Labfigli")).count(u'\n'), 8); // nine children
        QCOMPARE(states(), QStringLiteral("0101"));
        button(QStringLiteral("CmdAVANTI"))->click();
        button(QStringLiteral("Cmdmenù"))->click();
        program_->click(forms::menu, QStringLiteral("cmdesfam"));
        QCOMPARE(program_->visibleScreens(), QStringList{forms::families});
        QCOMPARE(program_->dialogs().messages.size(), 1);
        QCOMPARE(program_->screen(forms::families)->windowTitle(),
                 QStringLiteral("F. TRADIZIONALE e F. MODERNA: OSSERVA le informazioni poi ESEGUI gli ESERCIZI"));
        QCOMPARE(text(QStringLiteral("Labdatmat")), QStringLiteral("18 ottobre 1639")); // family 2 kept
    }

    // The buttons drive the browser, whose paging has its own test, and show its states.
    void theButtonsPageThroughEachSet()
    {
        openFromMenu();
        button("Cmdmod")->click();
        QCOMPARE(text("Label2"), QStringLiteral("FAMIGLIE MODERNE"));
        QCOMPARE(text("Labdatmat"), QStringLiteral("15 ottobre 1929"));
        QCOMPARE(states(), QStringLiteral("0110"));
        for (int family = 2; family <= 5; ++family)
            button("CmdAVANTI")->click();
        QCOMPARE(states(), QStringLiteral("1010"));
        QCOMPARE(text("Labfigli"), QStringLiteral("  Senza figli"));
        button("CmdINDIETRO")->click();
        QCOMPARE(states(), QStringLiteral("1110"));
        button("Cmdtrad")->click();
        QCOMPARE(text("Labdatmat"), QStringLiteral("8 ottobre 1639"));
        QCOMPARE(states(), QStringLiteral("0101"));
    }

    void helpExplainsWhatToObserve()
    {
        openFromMenu();
        button(QStringLiteral("CmdAIUTO"))->click();
        QCOMPARE(program_->dialogs().messages.size(), 2);
        QCOMPARE(program_->dialogs().messages.last().text,
                 QStringLiteral("Sono presentate 5 famiglie tradizionali (del XVII secolo) e 5 famiglie contemporanee. "
                                "Osserva con molta attenzione la loro composizione, l'età degli sposi al matrimonio, quanto "
                                "tempo passa tra una nascita e l'altra, ecc., poi rispondi alle domande dei due questionari."));
    }
};

QTEST_MAIN(TestFamiliesScreen)
#include "tst_familiesscreen.moc"
