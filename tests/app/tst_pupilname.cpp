#include "app/pupilname.h"

#include <QTest>

using namespace censaria;

class TestPupilName : public QObject
{
    Q_OBJECT
private slots:
    void normalises_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("key");
        QTest::newRow("blanks around and between") << "  rossi   mario " << "ROSSI MARIO";
        QTest::newRow("two-word surname with two blanks") << "de  luca anna" << "DE LUCA ANNA";
        QTest::newRow("six blanks keep one") << "a      b" << "A B";
        QTest::newRow("seven blanks keep two") << "a       b" << "A  B";
        QTest::newRow("eight blanks keep two") << "a        b" << "A  B";
        QTest::newRow("twelve blanks keep two") << QStringLiteral("a") + QString(12, u' ') + "b" << "A  B";
        QTest::newRow("thirteen blanks keep three") << QStringLiteral("a") + QString(13, u' ') + "b" << "A   B";
        QTest::newRow("tabs are not blanks") << "rossi\t\tmario" << "ROSSI\t\tMARIO";
        QTest::newRow("tab at the end stays") << "rossi\t" << "ROSSI\t";
        QTest::newRow("accents upper-cased") << "nicolò  àlfàno" << "NICOLÒ ÀLFÀNO";
        QTest::newRow("apostrophe") << "d'angelo luca" << "D'ANGELO LUCA";
        QTest::newRow("only blanks") << "     " << "";
        QTest::newRow("single letter") << "x" << "X";
    }
    void normalises()
    {
        QFETCH(QString, typed);
        QFETCH(QString, key);
        QCOMPARE(normalisePupilName(typed), key);
    }

    void sameTwoWordsGiveTheSameKey()
    {
        QCOMPARE(normalisePupilName(QStringLiteral("rossi mario")), normalisePupilName(QStringLiteral("ROSSI    MARIO")));
    }

    void moreThanTwentyWordsAreKept()
    {
        QStringList words;
        for (int i = 0; i < 25; ++i)
            words.append(QStringLiteral("w%1").arg(i));
        QCOMPARE(normalisePupilName(words.join(QStringLiteral("  "))), words.join(u' ').toUpper());
    }
};

QTEST_APPLESS_MAIN(TestPupilName)
#include "tst_pupilname.moc"
