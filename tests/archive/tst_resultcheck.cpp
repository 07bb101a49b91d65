// The check every queued result passes before it goes to the school's server, the same
// the server's record function makes: what the program records always passes, what it
// cannot produce never does (a queue is the account's own file: anything may stand in it).
#include "archive/resultcheck.h"
#include "archive/schema.h"

#include <QTest>

using namespace censaria;
using Values = QList<std::pair<int, QVariant>>;

class TestResultCheck : public QObject
{
    Q_OBJECT

    const QDateTime now{QDate(2026, 3, 12), QTime(10, 30, 15)};

private slots:
    void whatTheProgramRecordsPasses_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<Values>("values");
        QTest::addColumn<int>("results");
        const QDateTime when = now;
        // As the questionnaire, the balances and the rates screens record them.
        QTest::newRow("a questionnaire") << "questionari" << Values{{14, qint16(10)}, {15, when}} << 1;
        QTest::newRow("none right") << "questionari" << Values{{2, qint16(0)}, {3, when}} << 1;
        QTest::newRow("the balances, two results")
            << "esercizi" << Values{{2, 7}, {3, 2}, {4, 77}, {5, when}, {6, 1}, {7, 2}, {8, 33}, {9, when}} << 2;
        QTest::newRow("the rates, table named as its screen does") << "Esercizi" << Values{{10, 0}, {11, 3}, {12, 0}, {13, when}} << 1;
        QTest::newRow("before any answer") << "esercizi" << Values{{10, 0}, {11, 0}, {12, 0}, {13, when}} << 1;
        QTest::newRow("a percentage rounded up") << "esercizi" << Values{{10, 2}, {11, 1}, {12, 67}, {13, when}} << 1;
        // As a queue or an archive stores them: numbers read back, dates as text.
        QTest::newRow("stored") << "questionari" << Values{{4, qlonglong(7)}, {5, QStringLiteral("2026-03-12 10:30:15")}} << 1;
        QTest::newRow("a PC's clock a little ahead") << "questionari" << Values{{4, 7}, {5, when.addSecs(14 * 60)}} << 1;
        QTest::newRow("only the pupil's row") << "questionari" << Values{} << 0;
    }

    void whatTheProgramRecordsPasses()
    {
        QFETCH(QString, table);
        QFETCH(Values, values);
        QFETCH(int, results);
        QString why;
        const auto checked = checkedResults(table, QStringLiteral("D'ANGELO NICCOLÒ"), values, now, &why);
        QVERIFY2(checked, qPrintable(why));
        QCOMPARE(checked->size(), results);
        if (results > 0) {
            QCOMPARE(checked->first().first, values.first().first);
            QVERIFY(checked->first().date.isValid());
        }
    }

    void whatItCannotProduceIsRefused_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Values>("values");
        const QDateTime when = now;
        const QString rossi = QStringLiteral("ROSSI MARIO");
        QTest::newRow("another table") << "sqlite_master" << rossi << Values{{2, 7}, {3, when}};
        QTest::newRow("into the name") << "questionari" << rossi << Values{{0, QStringLiteral("BIANCHI ANNA")}};
        QTest::newRow("into the note") << "questionari" << rossi << Values{{1, QStringLiteral("nota")}};
        QTest::newRow("past the last column") << "questionari" << rossi << Values{{22, 7}, {23, when}};
        QTest::newRow("a count without its date") << "questionari" << rossi << Values{{2, 7}};
        QTest::newRow("a date without its count") << "questionari" << rossi << Values{{3, when}};
        QTest::newRow("an exercise missing a count") << "esercizi" << rossi << Values{{2, 7}, {3, 2}, {5, when}};
        QTest::newRow("a position twice") << "questionari" << rossi << Values{{2, 7}, {2, 8}, {3, when}};
        QTest::newRow("11 out of 10") << "questionari" << rossi << Values{{2, 11}, {3, when}};
        QTest::newRow("below zero") << "questionari" << rossi << Values{{2, -1}, {3, when}};
        QTest::newRow("not a whole number") << "questionari" << rossi << Values{{2, 7.5}, {3, when}};
        QTest::newRow("a word for a count") << "questionari" << rossi << Values{{2, QStringLiteral("dieci")}, {3, when}};
        QTest::newRow("a null count") << "questionari" << rossi << Values{{2, QVariant()}, {3, when}};
        QTest::newRow("a percentage that does not add up") << "esercizi" << rossi << Values{{2, 3}, {3, 1}, {4, 10}, {5, when}};
        QTest::newRow("a percentage of nothing") << "esercizi" << rossi << Values{{2, 0}, {3, 0}, {4, 100}, {5, when}};
        QTest::newRow("more answers than a day holds") << "esercizi" << rossi << Values{{2, 99999}, {3, 0}, {4, 100}, {5, when}};
        QTest::newRow("dated 9999") << "questionari" << rossi << Values{{2, 7}, {3, QStringLiteral("9999-01-01 00:00:00")}};
        QTest::newRow("tomorrow") << "questionari" << rossi << Values{{2, 7}, {3, when.addDays(1)}};
        QTest::newRow("beyond the skew") << "questionari" << rossi << Values{{2, 7}, {3, when.addSecs(16 * 60)}};
        QTest::newRow("before the program") << "questionari" << rossi << Values{{2, 7}, {3, QDateTime(QDate(1999, 12, 31), QTime(23, 0))}};
        QTest::newRow("a date that is no date") << "questionari" << rossi << Values{{2, 7}, {3, QStringLiteral("ieri")}};
        QTest::newRow("no name") << QStringLiteral("questionari") << QStringLiteral(" ") << Values{{2, 7}, {3, when}};
        QTest::newRow("a name of two lines") << QStringLiteral("questionari") << QStringLiteral("ROSSI\nMARIO") << Values{{2, 7}, {3, when}};
        QTest::newRow("a name too long") << "questionari" << QString(241, u'A') << Values{{2, 7}, {3, when}};
    }

    void whatItCannotProduceIsRefused()
    {
        QFETCH(QString, table);
        QFETCH(QString, name);
        QFETCH(Values, values);
        QString why;
        QVERIFY(!checkedResults(table, name, values, now, &why));
        QVERIFY(!why.isEmpty());
    }

    // The results of a table as the record function knows them: counts, then their date.
    void theResultsOfEachTable()
    {
        QCOMPARE(resultPositions(schema::questionari()).size(), 10);
        QCOMPARE(resultPositions(schema::questionari()).first(), (QList<int>{2, 3}));
        QCOMPARE(resultPositions(schema::esercizi()), (QList<QList<int>>{{2, 3, 4, 5}, {6, 7, 8, 9}, {10, 11, 12, 13}}));
    }
};

QTEST_MAIN(TestResultCheck)
#include "tst_resultcheck.moc"
