#include "screenkit/forms.h"
#include "testsupport/censariatest.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using namespace censaria;

// Odd and hostile input through the whole program: nothing crashes, nothing is
// stored wrongly, and the pupil is told what is wrong.
class TestHostileInput : public QObject
{
    Q_OBJECT

private slots:
    void oddNamesAreStoredAndFoundVerbatim_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("key");
        QTest::newRow("quotes") << "d'angelo \"zio\"" << "D'ANGELO \"ZIO\"";
        QTest::newRow("sql") << "x'); DROP TABLE questionari;--" << "X'); DROP TABLE QUESTIONARI;--";
        QTest::newRow("control characters") << QStringLiteral("rossi\u0001\u0007 mario\u007f") << QStringLiteral("ROSSI\u0001\u0007 MARIO\u007f");
        QTest::newRow("percent and underscore") << "100% _x_" << "100% _X_";
    }
    void oddNamesAreStoredAndFoundVerbatim()
    {
        QFETCH(QString, typed);
        QFETCH(QString, key);
        TestProgram program;
        QVERIFY(program.start());
        program.dialogs().queueAnswer(typed);
        QVERIFY(program.module().recordResult(QStringLiteral("questionari"), {{2, 7}}, 3));
        QCOMPARE(program.module().nomealunno, key);
        Archive &archive = program.module().dbrisultati();
        QCOMPARE(archive.names(), QStringList{key});
        QCOMPARE(archive.findRow(QStringLiteral("questionari"), key)->at(2).toInt(), 7);
        QCOMPARE(archive.rows(QStringLiteral("esercizi"))->size(), 0); // nothing injected
    }

    void hugeOrBlankNamesAreNotStored()
    {
        TestProgram program;
        QVERIFY(program.start());
        program.dialogs().queueAnswer(QString(10000, u'x'));
        program.dialogs().queueAnswer(QString(40, u' '));
        QVERIFY(!program.module().recordResult(QStringLiteral("questionari"), {{2, 7}}, 3));
        QVERIFY(program.module().nomealunno.isEmpty());
        QCOMPARE(program.dialogs().prompts.size(), 2); // asked again after the long one
        QCOMPARE(program.module().dbrisultati().names(), QStringList());
    }

    void brokenLessonFilesStillOpenTheirPage_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated") << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard\\b Titolo\\b0 e poi il te");
        QByteArray binary(4096, 0);
        QRandomGenerator noise(11);
        for (char &c : binary)
            c = char(noise.bounded(256));
        QTest::newRow("binary") << binary;
        QTest::newRow("deep nesting") << QByteArray("{\\rtf1 ") + QByteArray(100000, '{') + "x";
    }
    void brokenLessonFilesStillOpenTheirPage()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        TestProgram::makeProgramFolder(dir.path());
        QFile lesson(QDir(dir.path()).filePath(QStringLiteral("perCensaria/a-storia1.rtf")));
        QVERIFY(lesson.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lesson.write(content);
        lesson.close();
        TestProgram program(dir.path());
        QVERIFY(program.start());
        QVERIFY(program.module().navigation().showLessonPage(QStringLiteral("Storia1")));
        QVERIFY(program.visibleScreens().contains(forms::lessons));
        QCOMPARE(program.module().chiamante, QStringLiteral("Storia1"));
        QVERIFY(!program.control<QTextEdit>(forms::lessons, QStringLiteral("RTBtesto"))->toPlainText().isEmpty());
        // The next page is unharmed.
        QVERIFY(program.module().navigation().showLessonPage(QStringLiteral("Storia2")));
        QVERIFY(program.control<QTextEdit>(forms::lessons, QStringLiteral("RTBtesto"))->toPlainText().size() > 500);
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
