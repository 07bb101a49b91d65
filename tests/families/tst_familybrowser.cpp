#include "families/familybrowser.h"
#include "families/familyrecords.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include <optional>

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

// A date of a register as far as it is known: the whole date, or only its year.
struct KnownDate
{
    int year = 0;
    QDate day; // invalid when only the year is known

    bool isKnown() const { return year != 0; }
};

KnownDate knownDate(const QRegularExpressionMatch &m, int first)
{
    if (!m.captured(first + 2).isEmpty())
        return {m.captured(first + 2).toInt(), QDate(m.captured(first + 2).toInt(), m.captured(first + 1).toInt(), m.captured(first).toInt())};
    return {m.captured(first + 3).toInt(), QDate()};
}

// The completed years from birth to an event; a range when either is known by its year only.
std::pair<int, int> ageRange(const KnownDate &birth, const KnownDate &event)
{
    if (birth.day.isValid() && event.day.isValid()) {
        const bool beforeBirthday = QDate(event.year, birth.day.month(), birth.day.day()) > event.day;
        const int age = event.year - birth.year - (beforeBirthday ? 1 : 0);
        return {age, age};
    }
    return {event.year - birth.year - 1, event.year - birth.year};
}

const QString datePattern = QStringLiteral("(?:(\\d{1,2})-(\\d{1,2})-(\\d{4})|(\\d{4}))");

// What a person's line says about the dates and ages of a life.
struct Life
{
    KnownDate birth, marriage, death;
    std::optional<int> marriageAge, deathAge;
};

std::optional<int> statedAge(const QString &part)
{
    static const QRegularExpression age(QStringLiteral(" a (\\d+) ann[oi]\\b"));
    const auto m = age.match(part);
    return m.hasMatch() ? std::optional<int>(m.captured(1).toInt()) : std::nullopt;
}

KnownDate statedDate(const QString &part)
{
    static const QRegularExpression date(QStringLiteral("(?:il |l'|nel )") + datePattern);
    const auto m = date.match(part);
    return m.hasMatch() ? knownDate(m, 1) : KnownDate();
}

// A line is cut into its parts at ", ": the birth, the marriage and the death each
// keep their own date and age. A parent's marriage is the family's wedding unless the
// line gives its own (a second marriage).
Life lifeOf(const QString &line, const QDate &wedding)
{
    Life life;
    for (const QString &part : line.split(QStringLiteral(", "))) {
        if (part.startsWith(QStringLiteral("nat")))
            life.birth = statedDate(part);
        else if (part.startsWith(QStringLiteral("sposat")) || part.startsWith(QStringLiteral("seconde nozze"))) {
            if (const KnownDate date = statedDate(part); date.isKnown())
                life.marriage = date;
            if (const auto age = statedAge(part))
                life.marriageAge = age;
        } else if (part.startsWith(QStringLiteral("mort")) || part.startsWith(QStringLiteral("a "))) {
            if (const KnownDate date = statedDate(part); date.isKnown())
                life.death = date;
            if (const auto age = statedAge(QLatin1Char(' ') + part))
                life.deathAge = age;
        }
    }
    if (!life.marriage.isKnown() && life.marriageAge && wedding.isValid())
        life.marriage = {wedding.year(), wedding};
    return life;
}

QDate weddingOf(const FamilyRecord &family)
{
    return QLocale(QLocale::Italian).toDate(family.marriageDate, QStringLiteral("d MMMM yyyy"));
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

    // Every age is the age reached on the day: the completed years between the dates of
    // its line, a parent's marriage being the family's wedding. Where a date is known by
    // its year only, the age must be one of the two that year allows.
    void everyStatedAgeAgreesWithItsDates()
    {
        int checked = 0;
        for (const QList<FamilyRecord> *set : {&traditionalFamilies(), &modernFamilies()})
            for (const FamilyRecord &family : *set) {
                const QDate wedding = weddingOf(family);
                QVERIFY2(wedding.isValid(), qPrintable(family.marriageDate));
                const QStringList people = family.parents + family.children;
                for (int i = 0; i < people.size(); ++i) {
                    const Life life = lifeOf(people[i], i < family.parents.size() ? wedding : QDate());
                    QVERIFY2(life.birth.isKnown(), qPrintable(people[i]));
                    for (const auto &[age, event] : {std::pair{life.marriageAge, life.marriage}, std::pair{life.deathAge, life.death}}) {
                        if (!age || !event.isKnown())
                            continue;
                        const auto [low, high] = ageRange(life.birth, event);
                        QVERIFY2(*age >= low && *age <= high,
                                 qPrintable(QStringLiteral("%1\n  %2 anni; le date dicono %3").arg(people[i]).arg(*age).arg(low)));
                        ++checked;
                    }
                }
            }
        // Every age with a date to check it against was checked.
        QCOMPARE(checked, 49);
    }

    // The check itself: the difference of the years is not an age.
    void aDifferenceOfYearsIsCaught()
    {
        const Life smith = lifeOf(QStringLiteral("BATTISTA FERRANTI, mastro fabbro, figlio di Domenico (mastro fabbro), nato il 13-10-1618, "
                                                 "sposato a 21 anni, morto a 67 anni"),
                                  QDate(1639, 10, 8));
        QCOMPARE(ageRange(smith.birth, smith.marriage), (std::pair{20, 20}));
        const Life child = lifeOf(QStringLiteral("ANTONIO FERRANTI, figlio di Battista (mastro fabbro), nato il 15-12-1657, "
                                                 "morto il 5-5-1662 a 5 anni"),
                                  QDate());
        QCOMPARE(*child.deathAge, 5);
        QCOMPARE(ageRange(child.birth, child.death), (std::pair{4, 4}));
        const Life widow = lifeOf(QStringLiteral("MARIA ROSSETTI, figlia di Vincenzo (mezzadro), nata il 24-12-1615, sposata a 26 anni, "
                                                 "morta nel 1695, a 80 anni"),
                                  QDate(1642, 11, 28));
        QCOMPARE(*widow.deathAge, 80);
        QCOMPARE(ageRange(widow.birth, widow.death), (std::pair{79, 80}));
    }

    // Each child is born after the wedding and before its father's life can have ended.
    void childrenComeBetweenTheWeddingAndTheFathersDeath()
    {
        for (const QList<FamilyRecord> *set : {&traditionalFamilies(), &modernFamilies()})
            for (const FamilyRecord &family : *set) {
                const QDate wedding = weddingOf(family);
                const Life father = lifeOf(family.parents.first(), wedding);
                // The last day the father can have been alive.
                QDate fatherEnd;
                if (father.death.day.isValid())
                    fatherEnd = father.death.day;
                else if (father.death.isKnown())
                    fatherEnd = QDate(father.death.year, 12, 31);
                else if (father.deathAge)
                    fatherEnd = father.birth.day.addYears(*father.deathAge + 1);
                for (const QString &child : family.children) {
                    const Life life = lifeOf(child, QDate());
                    const QDate born = life.birth.day.isValid() ? life.birth.day : QDate(life.birth.year, 12, 31);
                    QVERIFY2(born >= wedding, qPrintable(child));
                    if (fatherEnd.isValid())
                        QVERIFY2(born <= fatherEnd.addMonths(10), qPrintable(child));
                }
            }
    }
};

QTEST_GUILESS_MAIN(TestFamilyBrowser)
#include "tst_familybrowser.moc"
