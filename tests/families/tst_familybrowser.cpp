#include "families/familybrowser.h"
#include "families/familyrecords.h"

#include <QRegularExpression>
#include <QTest>

using namespace censaria;

namespace {

// One person of a parish register: NAME IN CAPITALS, occupation or state, "figlio di" or
// "figlia di" the father with his occupation in brackets, "nato"/"nata" and the birth
// date, the marriage, and the death or "vive ancora" at the end.
const QRegularExpression &personLine()
{
    static const QString date = QStringLiteral("\\d{1,2}-\\d{1,2}-\\d{4}");
    // Anchored at both ends of the whole text: a line with anything before or after does not match.
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QStringLiteral("[A-ZÀÈÉÌÒÙ' ]+, (?:[^,()]+, )*figli([oa]) di [A-Z][a-zàèéìòù]+ \\([a-zàèéìòù ]+\\), nat\\1 "
                       "(?:morto il %1|(?:il %1|l'%1|nel \\d{4})(?:, sposat\\1 [^,]+)?, "
                       "(?:mort\\1\\b.*|vive ancora|emigrato, se ne sono perse le tracce))")
            .arg(date)));
    return pattern;
}

} // namespace

class TestFamilyBrowser : public QObject
{
    Q_OBJECT

    // Enabled states of "Famiglia precedente", "Famiglia successiva", "Fam. tradizionali", "Fam. moderne".
    static QString states(const FamilyBrowser &b)
    {
        QString s;
        for (bool enabled : {b.canGoBack(), b.canGoForward(), b.traditionalEnabled(), b.modernEnabled()})
            s += enabled ? u'1' : u'0';
        return s;
    }

private slots:
    void startsOnTheFirstTraditionalFamily()
    {
        const FamilyBrowser browser;
        QCOMPARE(browser.set(), FamilyBrowser::traditional);
        QCOMPARE(browser.family(), 1);
        QCOMPARE(browser.setTitle(), QStringLiteral("FAMIGLIE TRADIZIONALI"));
        QCOMPARE(browser.marriageDate(), QStringLiteral("8 ottobre 1639"));
        QVERIFY(browser.parentsText().startsWith(QStringLiteral("BATTISTA FERRANTI, mastro fabbro")));
        QCOMPARE(states(browser), QStringLiteral("0101"));
    }

    void pagingStaysWithinTheFiveFamilies()
    {
        FamilyBrowser browser;
        for (int family = 2; family <= 5; ++family) {
            browser.next();
            QCOMPARE(browser.family(), family);
            QCOMPARE(browser.positionText(), QStringLiteral("Famiglia %1 di 5").arg(family));
            QCOMPARE(states(browser), family < 5 ? QStringLiteral("1101") : QStringLiteral("1001"));
        }
        browser.next(); // the button is disabled; nothing happens
        QCOMPARE(browser.family(), 5);
        browser.previous();
        QCOMPARE(browser.family(), 4);
        QCOMPARE(states(browser), QStringLiteral("1101"));
        for (int i = 0; i < 5; ++i)
            browser.previous();
        QCOMPARE(browser.family(), 1);
        QCOMPARE(states(browser), QStringLiteral("0101"));
    }

    void switchingSetsStartsAtFamilyOne()
    {
        FamilyBrowser browser;
        browser.next();
        browser.next();
        browser.showModern();
        QCOMPARE(browser.set(), FamilyBrowser::modern);
        QCOMPARE(browser.family(), 1);
        QCOMPARE(browser.setTitle(), QStringLiteral("FAMIGLIE MODERNE"));
        QCOMPARE(browser.marriageDate(), QStringLiteral("15 ottobre 1929"));
        QCOMPARE(states(browser), QStringLiteral("0110"));
        for (int i = 0; i < 4; ++i)
            browser.next();
        browser.showTraditional();
        QCOMPARE(browser.family(), 1);
        QCOMPARE(states(browser), QStringLiteral("0101"));
    }

    void familiesWithoutChildren()
    {
        FamilyBrowser browser;
        for (int i = 0; i < 3; ++i)
            browser.next();
        QCOMPARE(browser.childrenText(), QStringLiteral("  Famiglia sterile."));
        browser.showModern();
        for (int i = 0; i < 4; ++i)
            browser.next();
        QCOMPARE(browser.childrenText(), QStringLiteral("  Senza figli"));
    }

    void theRecordsHoldTheFacts()
    {
        QCOMPARE(traditionalFamilies().size(), 5);
        QCOMPARE(modernFamilies().size(), 5);
        QStringList dates;
        QList<int> children;
        for (const QList<FamilyRecord> *set : {&traditionalFamilies(), &modernFamilies()})
            for (const FamilyRecord &family : *set) {
                dates.append(family.marriageDate);
                children.append(family.children.size());
                QCOMPARE(family.children.isEmpty(), !family.noChildren.isEmpty());
            }
        QCOMPARE(dates, (QStringList{"8 ottobre 1639", "18 ottobre 1639", "28 novembre 1642", "3 marzo 1643", "29 settembre 1645",
                                     "15 ottobre 1929", "18 giugno 1955", "18 agosto 1938", "19 giugno 1971", "22 aprile 1979"}));
        QCOMPARE(children, (QList<int>{9, 10, 3, 0, 7, 3, 1, 1, 2, 0}));
        QCOMPARE(traditionalFamilies().at(1).parents.size(), 3); // the chancellor married twice
        QVERIFY(traditionalFamilies().at(1).parents.at(2).contains(QStringLiteral("8-12-1649")));
    }

    void everyPersonFollowsTheLinePattern()
    {
        for (const QList<FamilyRecord> *set : {&traditionalFamilies(), &modernFamilies()})
            for (const FamilyRecord &family : *set)
                for (const QString &person : family.parents + family.children)
                    QVERIFY2(personLine().match(person).hasMatch(), qPrintable(person));
    }

    void thePatternRejectsIncompleteLines()
    {
        const QStringList broken = {
            // a child's line without the father, as the records once had them
            QStringLiteral("PIETRO FERRANTI, nato il 6-9-1640, morto il 15-9-1640"),
            // the father without his occupation, or with it unbracketed
            QStringLiteral("PIETRO FERRANTI, figlio di Battista, nato il 6-9-1640, morto il 15-9-1640"),
            QStringLiteral("PIETRO FERRANTI, figlio di Battista mastro fabbro, nato il 6-9-1640, morto il 15-9-1640"),
            // a daughter called son, a name not in capitals, a line without its fate
            QStringLiteral("ANGELA FERRANTI, figlio di Battista (mastro fabbro), nata il 9-9-1649, morta nel 1649"),
            QStringLiteral("Angela Ferranti, figlia di Battista (mastro fabbro), nata il 9-9-1649, morta nel 1649"),
            QStringLiteral("SERGIO GALLETTI, celibe, figlio di Ernesto (operaio), nato il 16-5-1939"),
            // the birth without a day-month-year date
            QStringLiteral("SERGIO GALLETTI, figlio di Ernesto (operaio), nato a maggio, vive ancora"),
            // a parent's line without "figlio di"/"figlia di", and a line with a line break after its end
            QStringLiteral("BATTISTA FERRANTI, mastro fabbro, nato il 13-10-1618, sposato a 21 anni, morto a 67 anni"),
            QStringLiteral("MADDALENA GUIDI, casalinga, di Bernardo (mastro sarto), nata il 2-4-1620, sposata a 19 anni, morta a 71 anni"),
            QStringLiteral("SERGIO GALLETTI, celibe, figlio di Ernesto (operaio), nato il 16-5-1939, vive ancora\n"),
        };
        for (const QString &line : broken)
            QVERIFY2(!personLine().match(line).hasMatch(), qPrintable(line));
    }

    void aWidowsDeathYearAgreesWithHerAge()
    {
        // Born in 1615 and dead at 80: in 1695 (the year 1795 would make her 180).
        const QString wife = traditionalFamilies().at(2).parents.at(1);
        QVERIFY(wife.contains(QStringLiteral("nata il 24-12-1615")));
        QVERIFY(wife.endsWith(QStringLiteral("morta nel 1695, a 80 anni")));
    }
};

QTEST_GUILESS_MAIN(TestFamilyBrowser)
#include "tst_familybrowser.moc"
