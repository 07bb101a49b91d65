#pragma once

#include <QString>
#include <array>
#include <optional>

namespace censaria {

class RandomGenerator;

// The two problems of the rates exercise, their correction and the running totals.
class RatesExercise
{
public:
    // When problems are drawn: the death-rate ranges differ between the two.
    enum class Moment { Load, NewSituation };

    // The eight answers, in the order they are judged.
    enum Answer { PopFinale1, Nati1, Morti1, Saldo1, PopFinale2, TassoNat2, TassoMort2, Saldo2, answerCount };
    using Answers = std::array<QString, answerCount>;

    enum class Completeness { Complete, FirstIncomplete, SecondIncomplete };

    struct Correction
    {
        std::array<bool, answerCount> wrong{};
        int giusti = 0;
        int sbagliati = 0;
        bool counted = true; // false: the answers of the last correction, not counted again
    };

    void generate(RandomGenerator &random, Moment moment);

    // A box holding only blanks counts as filled; only the empty text does not.
    static Completeness completeness(const Answers &answers);
    // Judges complete answers (within one of the expected value is right) and adds
    // them to the totals; the answers of the last correction of these problems, as read,
    // give that correction again without adding to the totals.
    Correction correct(const Answers &answers);

    int expected(Answer answer) const;
    // Integer part of right * 100 / (right + wrong) over the totals; 0 before any correction.
    int percentRight() const;

    // First problem: population and rates given.
    int popiniziale1 = 0, tassonat1 = 0, tassomort1 = 0;
    int nati1 = 0, morti1 = 0, saldo1 = 0, popfinale1 = 0;
    // Second problem: population, births and deaths given; the rates are the answers.
    int popiniziale2 = 0, tassonat2 = 0, tassomort2 = 0;
    int nati2 = 0, morti2 = 0, saldo2 = 0, popfinale2 = 0;

    int totgiusti = 0;
    int totsbagliati = 0;

    // Solutions on request. Looking changes no count; an answer whose solution was shown
    // is judged wrong from then on, until the next problem.
    static QString formula(Answer answer);
    // The formula, the problem's numbers put in and the result.
    QString solution(Answer answer) const;
    void reveal(Answer answer) { revealed_[answer] = true; }
    bool isRevealed(Answer answer) const { return revealed_[answer]; }

private:
    struct Corrected
    {
        std::array<double, answerCount> values;
        Correction correction;
    };
    std::optional<Corrected> lastCorrected_; // of these problems
    std::array<bool, answerCount> revealed_{};
};

} // namespace censaria
