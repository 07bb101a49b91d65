#include "screenkit/pupilname.h"

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
        QTest::newRow("blanks around and between") << "  rossi   mario "
                                                   << "ROSSI MARIO";
        QTest::newRow("two-word surname with two blanks") << "de  luca anna"
                                                          << "DE LUCA ANNA";
        QTest::newRow("six blanks keep one") << "a      b"
                                             << "A B";
        QTest::newRow("seven blanks keep two") << "a       b"
                                               << "A  B";
        QTest::newRow("eight blanks keep two") << "a        b"
                                               << "A  B";
        QTest::newRow("twelve blanks keep two") << QStringLiteral("a") + QString(12, u' ') + "b"
                                                << "A  B";
        QTest::newRow("thirteen blanks keep three") << QStringLiteral("a") + QString(13, u' ') + "b"
                                                    << "A   B";
        QTest::newRow("tabs are not blanks") << "rossi\t\tmario"
                                             << "ROSSI\t\tMARIO";
        QTest::newRow("tab at the end stays") << "rossi\t"
                                              << "ROSSI\t";
        QTest::newRow("accents upper-cased") << "nicolò  àlfàno"
                                             << "NICOLÒ ÀLFÀNO";
        QTest::newRow("apostrophe") << "d'angelo luca"
                                    << "D'ANGELO LUCA";
        QTest::newRow("control characters kept") << QStringLiteral("rossi\u0001\u0007 mario\u007f")
                                                 << QStringLiteral("ROSSI\u0001\u0007 MARIO\u007f");
        QTest::newRow("only blanks") << "     "
                                     << "";
        QTest::newRow("single letter") << "x"
                                       << "X";
        QTest::newRow("only tabs") << "\t\t"
                                   << "";
        QTest::newRow("only invisible characters") << QStringLiteral(" \u200B\t\u200D\u00A0\u2060\u200E ") << "";
        QTest::newRow("a letter among invisible ones stays whole") << QStringLiteral("\u200Bx\t") << QStringLiteral("\u200BX\t");
        QTest::newRow("capitals and four blanks") << "ROSSI    MARIO"
                                                  << "ROSSI MARIO";
        QStringList words;
        for (int i = 0; i < 25; ++i)
            words.append(QStringLiteral("w%1").arg(i));
        QTest::newRow("more than twenty words are kept") << words.join(QStringLiteral("  ")) << words.join(u' ').toUpper();
    }

    // Sixty characters as a person counts them.
    void visibleLengthCountsWhatIsSeen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("length");
        QString emoji;
        for (int i = 0; i < 31; ++i)
            emoji += QStringLiteral("\U0001F600"); // two UTF-16 units each
        QTest::newRow("31 emoji") << emoji << 31;
        QTest::newRow("accent as a combining mark") << QStringLiteral("NICOLE\u0300") << 6;
        QTest::newRow("family emoji joined by zero-width joiners") << QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467 ROSSI") << 7;
        QTest::newRow("plain letters") << QString(61, u'A') << 61;
    }
    void normalises()
    {
        QFETCH(QString, typed);
        QFETCH(QString, key);
        QCOMPARE(normalisePupilName(typed), key);
    }

    void visibleLengthCountsWhatIsSeen()
    {
        QFETCH(QString, name);
        QFETCH(int, length);
        QCOMPARE(visibleLength(name), length);
    }
};

QTEST_APPLESS_MAIN(TestPupilName)
#include "tst_pupilname.moc"
