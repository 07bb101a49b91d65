#pragma once

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace censaria {

class RandomGenerator;

// One year of a region's population: the balances to compute, the signs to tick, the
// kind of region and the facts that show it; the judgement, its red marks and counters.
class BalancesExercise
{
public:
    static constexpr int optionCount = 4;
    static constexpr int factCount = 6;

    struct Range
    {
        int first;
        int last;
    };
    // A kind of region: the ranges of its counts and the answers it calls for.
    struct Category
    {
        QString codicezona;
        Range nati, morti, emigrati, immigrati;
        int option;
        std::array<bool, factCount> facts;
    };
    // tipozona from 1 to 4.
    static const Category &category(int tipozona);
    // The kinds of region to choose from and the facts to tick, as the pupil reads them.
    static QString optionCaption(int option);
    static QString factCaption(int fact);

    struct Answers
    {
        QString pop, saldoNaturale, saldoMigratorio;
        std::array<bool, 2> segnoNat{}; // ticks of "positivo" and "negativo"
        std::array<bool, 2> segnoMig{};
        int option = -1; // none selected
        std::array<bool, factCount> facts{};
    };
    // What is red: set by a check, kept until the next problem.
    struct Marks
    {
        bool pop = false, saldoNaturale = false, saldoMigratorio = false;
        std::array<bool, 2> segnoNat{}, segnoMig{};
        std::array<bool, optionCount> options{};
        std::array<bool, factCount> facts{};
    };
    struct Counters
    {
        int calcGiusti = 0, calcSB = 0, compGiusti = 0, compSB = 0;
    };

    // The three numbers asked for.
    enum NumberAnswer { Pop, SaldoNaturale, SaldoMigratorio, numberCount };

    // A new problem; clears the marks but not the counters.
    void generate(RandomGenerator &random);

    // The three numbers filled in (blanks count), a sign ticked for each balance, an option chosen.
    static bool isComplete(const Answers &answers);
    // What is still to be given, in the order the screen asks for it.
    enum class Missing { SaldoNaturale, SegnoNat, SaldoMigratorio, SegnoMig, Pop, Option };
    static QList<Missing> missing(const Answers &answers);
    // Judges complete answers and adds to the counters, unless nothing has changed since
    // the last check of this problem: then the marks and counters stay as they are and
    // false says so, so that pressing again never turns one right answer into several.
    bool check(const Answers &answers);

    // Rates per thousand to one decimal, a half going to the even digit, as text.
    QString tassoNatText() const;
    QString tassoMortText() const;

    const Marks &marks() const { return marks_; }
    const Counters &counters() const { return counters_; }
    // Integer parts of right * 100 / (right + wrong); 0 before any check.
    int saldiPercent() const;
    int comprensionePercent() const;

    // Solutions on request. Looking changes no count; a number whose solution was shown
    // is judged wrong at every later check of the same problem.
    static QString formula(NumberAnswer answer);
    int expected(NumberAnswer answer) const;
    // The formula, the problem's numbers put in and the result.
    QString solution(NumberAnswer answer) const;
    void reveal(NumberAnswer answer) { revealed_[answer] = true; }
    bool isRevealed(NumberAnswer answer) const { return revealed_[answer]; }

    int popinizio = 0;
    int tipozona = 0;
    QString codicezona;
    int nati = 0, morti = 0, emigrati = 0, immigrati = 0;
    int saldonat = 0, saldomig = 0, popfine = 0;
    QString segnonat, segnomig;

private:
    void judgeNumber(const QString &answer, NumberAnswer which, bool &mark);
    void judgeSign(const std::array<bool, 2> &ticks, const QString &expected, std::array<bool, 2> &marks);

    // Number answers as read, so that a blank added to a box changes nothing.
    static bool sameAnswers(const Answers &a, const Answers &b);

    Marks marks_;
    Counters counters_;
    std::optional<Answers> lastChecked_; // of this problem
    std::array<bool, numberCount> revealed_{};
};

} // namespace censaria
