#include "platform/fakeservices.h"
#include "questionnaires/questionbanks.h"
#include "questionnaires/questionnairesession.h"

#include <QSet>
#include <QRegularExpression>
#include <QTest>

using namespace censaria;

namespace {

// Ticks the right box on every row but the wrong rows, which get the other box.
void answer(QuestionnaireSession &session, const QList<int> &wrongRows = {})
{
    for (int row = 0; row < QuestionnaireSession::rowCount; ++row) {
        if (session.key(row) != wrongRows.contains(row))
            session.tickTrue(row, true);
        else
            session.tickFalse(row, true);
    }
}

QStringList statements(const QuestionnaireSession &session)
{
    QStringList rows;
    for (int row = 0; row < QuestionnaireSession::rowCount; ++row)
        rows.append(session.statement(row));
    return rows;
}

int wrongRows(const QuestionnaireSession &session)
{
    int count = 0;
    for (int row = 0; row < QuestionnaireSession::rowCount; ++row)
        count += session.isWrong(row);
    return count;
}

} // namespace

class TestQuestionnaireSession : public QObject
{
    Q_OBJECT

    RandomGenerator random_;
    FixedClock clock_;
    QuestionnaireSession session_;

    QList<int> totals() const { return {session_.totalRight(), session_.totalWrong()}; }
    void load(const char *loader) { session_.load(*bankByLoader(QString::fromUtf8(loader)), random_, clock_); }

private slots:
    void init()
    {
        random_ = RandomGenerator();
        session_ = QuestionnaireSession();
    }

    void everyBankHasTenStatementsAndItsOwnCode()
    {
        QCOMPARE(questionBanks().size(), 10);
        QCOMPARE(topicListItems().size(), 10);
        QSet<QString> codes, countFields, dateFields;
        for (const QuestionBank &bank : questionBanks()) {
            QCOMPARE(int(bank.statements.size()), 10);
            QSet<QString> texts;
            for (const auto &statement : bank.statements)
                if (!statement.text.trimmed().isEmpty())
                    texts.insert(statement.text);
            QCOMPARE(texts.size(), 10); // ten statements, none blank, none twice
            QCOMPARE(bankByListItem(bank.listItem), &bank);
            QCOMPARE(bankByCode(bank.code), &bank);
            codes.insert(bank.code);
            countFields.insert(bank.countField);
            dateFields.insert(bank.dateField);
            QVERIFY(topicListItems().contains(bank.listItem));
        }
        QCOMPARE((QList<qsizetype>{codes.size(), countFields.size(), dateFields.size()}), (QList<qsizetype>{10, 10, 10}));
    }

    void contentIsKeptExactly()
    {
        QCOMPARE(bankByLoader("QStoria1")->title, QStringLiteral(" I GRAFICI dei TRE PERIODI..."));
        QCOMPARE(bankByLoader("QStoria1")->code, QStringLiteral("Qstoria1"));
        QCOMPARE(bankByLoader("QItalia")->code, QStringLiteral("Qitalia"));
        QCOMPARE(bankByLoader(QStringLiteral("QDensità2"))->code, QStringLiteral("QDensità2"));
        QCOMPARE(bankByLoader("Qpiramide2")->statements[6].text, QStringLiteral("permette di calcolare i tassi di natalità e di mortalità"));
        QCOMPARE(bankByLoader("Qfammod")->dateField, QStringLiteral("data10"));
        QCOMPARE(bankByLoader("qstoria1"), nullptr); // loaders are matched exactly
        QCOMPARE(bankByListItem(QStringLiteral("   Scegli il questionario -------->")), nullptr);
    }

    // A statement keyed true stays true in 2027: those whose figures belong to a year say
    // which, those whose present tense no longer held are made unambiguous. The lesson's
    // densities (2001 census: Campania 422, Lombardia 378, Lazio 298, Liguria 290, Veneto
    // 247, Puglia 208, Sicilia 193 ab/km²) make the densest regions' statement false.
    void datedStatementsKeepTheirKeys_data()
    {
        QTest::addColumn<QString>("loader");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<bool>("vero");
        const struct
        {
            const char *name, *loader, *statement;
            bool vero;
        } rows[] = {
            {"57 million", "QItalia", "Al censimento del 2001 in Italia c'erano circa 57 milioni di abitanti", true},
            {"few countries", "QItalia", "Intorno al 2000 l'Italia era uno dei pochi paesi in cui il saldo naturale era negativo", true},
            {"irregular", "QItalia", "Fra gli immigrati extra-comunitari ci sono numerosi irregolari", true},
            {"density", "QItalia", "La densità di popolazione è di 90 ab/km²", false},
            {"epidemics", "Qfammod", "Le epidemie falcidiano ancora spesso la popolazione", false},
            {"town and country", "Qfammod", "Nel numero dei figli non ci sono più differenze tra città e campagna", true},
            {"low natality", "Qfammod", "È molto bassa la natalità", true},
            {"intervals", "Qfamtrad", "Le famiglie hanno intervalli di tempo tra 1° e 2° figlio, o tra 2° e 3° ecc. molto simili", true},
            {"square km", "QDensità1", "La densità indica quanti abitanti ci sono, in media, in un km²", true},
            {"densest regions", "QDensità2", "Le regioni con maggiore densità sono la Sicilia, la Campania, la Lombardia e la Puglia", false},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << QString::fromUtf8(row.loader) << QString::fromUtf8(row.statement) << row.vero;
    }
    void datedStatementsKeepTheirKeys()
    {
        QFETCH(QString, loader);
        QFETCH(QString, statement);
        QFETCH(bool, vero);
        const QuestionBank *bank = bankByLoader(loader);
        QVERIFY(bank);
        const auto found = std::find_if(bank->statements.begin(), bank->statements.end(), [&](const auto &s) { return s.text == statement; });
        QVERIFY2(found != bank->statements.end(), qPrintable(statement));
        QCOMPARE(found->isTrue, vero);
    }

    // What pupils read follows Italian typography: no apostrophe for an accent, no "kmq",
    // no double blank, no "ecc..".
    void titlesAndStatementsAreWrittenInGoodItalian()
    {
        static const QRegularExpression faults(QStringLiteral("[A-Z]'(?=\\s|$)|\\b[Kk]mq\\b|  |ecc\\.\\.|clandestin|\\s[:?]"));
        for (const QuestionBank &bank : questionBanks()) {
            QVERIFY2(!faults.match(bank.title).hasMatch(), qPrintable(bank.title.trimmed()));
            for (const auto &statement : bank.statements)
                QVERIFY2(!faults.match(statement.text).hasMatch(), qPrintable(statement.text));
        }
        QCOMPARE(bankByLoader("QStoria4")->title, QStringLiteral("La POPOLAZIONE nella SOCIETÀ POST-INDUSTRIALE"));
        QCOMPARE(bankByLoader(QStringLiteral("QDensità2"))->title, QStringLiteral("LA CARTA DELLA DENSITÀ DI POPOLAZIONE"));
    }

    void oneQuestionnaireCountsOnceInTheTotals()
    {
        load("QStoria1");
        answer(session_, {2, 4});
        QVERIFY(session_.score());
        QVERIFY(session_.score()); // the name was refused: scored again, unchanged
        QCOMPARE(totals(), (QList<int>{8, 2}));
        answer(session_, {2});
        QVERIFY(session_.score());
        QCOMPARE(session_.giuste(), 9);
        QCOMPARE(totals(), (QList<int>{9, 1}));
        session_.recordingCompleted();

        // Loading it again is a new attempt, which adds to the totals.
        load("QStoria1");
        answer(session_);
        QVERIFY(session_.score());
        QCOMPARE(totals(), (QList<int>{19, 1}));
    }

    void answeringAllVeroScoresTheVeroStatements_data()
    {
        QTest::addColumn<QString>("loader");
        QTest::addColumn<int>("right");
        QTest::newRow("piramidi") << "Qpiramide2" << 6;
        QTest::newRow("italia") << "QItalia" << 4;
        QTest::newRow("tre periodi") << "QStoria1" << 5;
        QTest::newRow("fam moderne") << "Qfammod" << 4;
    }
    void answeringAllVeroScoresTheVeroStatements()
    {
        QFETCH(QString, loader);
        QFETCH(int, right);
        session_.load(*bankByLoader(loader), random_, clock_);
        for (int row = 0; row < QuestionnaireSession::rowCount; ++row)
            session_.tickTrue(row, true);
        QVERIFY(session_.score());
        QCOMPARE(session_.giuste(), right);
        QCOMPARE(session_.shownWrong(), 10 - right);
        QCOMPARE(wrongRows(session_), 10 - right);
    }

    void aTickClearsTheOtherBoxOfItsRow()
    {
        load("QStoria2");
        session_.tickFalse(3, true);
        session_.tickTrue(3, true);
        QVERIFY(session_.isTrueTicked(3));
        QVERIFY(!session_.isFalseTicked(3));
        session_.tickFalse(3, true);
        QVERIFY(session_.isFalseTicked(3));
        QVERIFY(!session_.isTrueTicked(3));

        // The answer is the box last ticked.
        answer(session_);
        if (session_.key(3))
            session_.tickFalse(3, true);
        else
            session_.tickTrue(3, true);
        QVERIFY(session_.score());
        QCOMPARE(session_.giuste(), 9);
        QVERIFY(session_.isWrong(3));
    }

    void anUntickedRowIsUnansweredAndBlocksScoring()
    {
        load("QStoria3");
        QCOMPARE(session_.unansweredRows(), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
        answer(session_, {0, 1});
        // Unticking the ticked box, or both, leaves the row unanswered.
        session_.isTrueTicked(2) ? session_.tickTrue(2, false) : session_.tickFalse(2, false);
        session_.tickTrue(7, false);
        session_.tickFalse(7, false);
        QCOMPARE(session_.unansweredRows(), (QList<int>{2, 7}));
        QCOMPARE(session_.verifica(), 2);
        QVERIFY(!session_.score());
        QCOMPARE(session_.shownRight(), 0);
        QCOMPARE(session_.totalWrong(), 0);
        QCOMPARE(wrongRows(session_), 0);
        QVERIFY(!session_.canOpenArchive());
        QVERIFY(session_.canScore());
    }

    void theShuffleDrawsUntilItFindsAFreeStatement()
    {
        ScriptedRandom scripted;
        // k = floor(10 r + 1): 3, 3 again (taken, drawn again), 1, then 2, 4, 5 ... 10.
        scripted.queue({0.25, 0.29, 0.0, 0.1, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.99});
        const QuestionBank &bank = *bankByLoader("QStoria2");
        session_.load(bank, scripted, clock_);
        const int order[] = {2, 0, 1, 3, 4, 5, 6, 7, 8, 9};
        for (int row = 0; row < QuestionnaireSession::rowCount; ++row) {
            QCOMPARE(session_.statement(row), bank.statements[order[row]].text);
            QCOMPARE(session_.key(row), bank.statements[order[row]].isTrue);
        }
        // Re-seeded from the clock right after the ten draws.
        RandomGenerator expected;
        expected.reseedFromClock(clock_);
        QCOMPARE(scripted.next(), expected.next());
    }

    void theFirstShuffleOfARunIsAlwaysTheSame()
    {
        load("QStoria1");
        const QStringList first = statements(session_);
        QCOMPARE(QSet<QString>(first.begin(), first.end()).size(), 10);

        RandomGenerator otherRun;
        FixedClock otherClock;
        otherClock.time = otherClock.time.addSecs(3600);
        QuestionnaireSession other;
        other.load(*bankByLoader("QStoria1"), otherRun, otherClock);
        QCOMPARE(statements(other), first);

        // Later shuffles follow the clock time of the re-seeding before them.
        load("QStoria1");
        other.load(*bankByLoader("QStoria1"), otherRun, otherClock);
        QVERIFY(statements(other) != statements(session_));
        RandomGenerator sameClockRun;
        QuestionnaireSession sameClock;
        sameClock.load(*bankByLoader("QStoria1"), sameClockRun, clock_);
        sameClock.load(*bankByLoader("QStoria1"), sameClockRun, clock_);
        QCOMPARE(statements(sameClock), statements(session_));
    }

    void theFamilyQuestionnairesOpenEachOther()
    {
        QCOMPARE(session_.qfamiglia(), 0);
        QVERIFY(session_.otherFamilyLoader().isEmpty());
        load("Qfamtrad");
        QCOMPARE(session_.qfamiglia(), 1);
        QVERIFY(session_.showsFamilyButton());
        QCOMPARE(session_.familyButtonCaption(), QStringLiteral("Mostra le domande del 2° questionario"));
        QCOMPARE(session_.otherFamilyLoader(), QStringLiteral("Qfammod"));
        load("Qfammod");
        QCOMPARE(session_.familyButtonCaption(), QStringLiteral("Mostra le domande del 1° questionario"));
        QCOMPARE(session_.otherFamilyLoader(), QStringLiteral("Qfamtrad"));
        load("QItalia");
        QVERIFY(!session_.showsFamilyButton());
        QCOMPARE(session_.qfamiglia(), 2); // other topics leave it
    }

    void clearingForTheMenuOrTheArchive()
    {
        load("Qpiramide2");
        answer(session_, {0});
        QVERIFY(session_.score());
        session_.clearForArchive();
        QVERIFY(session_.shownTitle().isEmpty());
        QVERIFY(session_.statement(0).isEmpty());
        QCOMPARE(wrongRows(session_), 0);
        QCOMPARE(session_.shownRight(), 0);
        QCOMPARE(session_.verifica(), 0); // the ticks stay
        QCOMPARE(session_.totalRight(), 9);
        QCOMPARE(session_.codicequest(), QStringLiteral("Qpiramide2"));

        load("Qpiramide2");
        answer(session_);
        session_.clearForMenu();
        QCOMPARE(session_.verifica(), 10);
        // With its statements gone the questionnaire cannot be scored blind.
        QVERIFY(!session_.canScore());
        QCOMPARE(session_.codicequest(), QStringLiteral("Qpiramide2"));
    }
};

QTEST_APPLESS_MAIN(TestQuestionnaireSession)
#include "tst_questionnairesession.moc"
