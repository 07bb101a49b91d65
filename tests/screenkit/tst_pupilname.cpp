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
        const struct
        {
            const char *name, *typed, *key;
        } rows[] = {
            {"blanks around and between", "  rossi   mario ", "ROSSI MARIO"},
            {"two-word surname with two blanks", "de  luca anna", "DE LUCA ANNA"},
            {"six blanks keep one", "a      b", "A B"},
            {"seven blanks keep two", "a       b", "A  B"},
            {"eight blanks keep two", "a        b", "A  B"},
            {"tabs are not blanks", "rossi\t\tmario", "ROSSI\t\tMARIO"},
            {"tab at the end stays", "rossi\t", "ROSSI\t"},
            {"accents upper-cased", "nicolò  àlfàno", "NICOLÒ ÀLFÀNO"},
            {"apostrophe", "d'angelo luca", "D'ANGELO LUCA"},
            {"control characters kept", "rossi\u0001\u0007 mario\u007f", "ROSSI\u0001\u0007 MARIO\u007f"},
            {"only blanks", "     ", ""},
            {"single letter", "x", "X"},
            {"only tabs", "\t\t", ""},
            {"only invisible characters", " \u200B\t\u200D\u00A0\u2060\u200E ", ""},
            {"a letter among invisible ones stays whole", "\u200Bx\t", "\u200BX\t"},
            {"capitals and four blanks", "ROSSI    MARIO", "ROSSI MARIO"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << QString::fromUtf8(row.typed) << QString::fromUtf8(row.key);
        QTest::newRow("twelve blanks keep two") << QStringLiteral("a") + QString(12, u' ') + u'b' << QStringLiteral("A  B");
        QTest::newRow("thirteen blanks keep three") << QStringLiteral("a") + QString(13, u' ') + u'b' << QStringLiteral("A   B");
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
