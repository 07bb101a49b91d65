#include "screentest.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextEdit>

using namespace censaria;

// Hostile input through the whole program: nothing crashes, nothing is stored
// wrongly, and the pupil is told what is wrong.
class TestHostileInput : public QObject
{
    Q_OBJECT

private slots:
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
