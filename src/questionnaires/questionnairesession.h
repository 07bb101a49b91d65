#pragma once

#include "questionbanks.h"

#include <QString>
#include <array>
#include <optional>

namespace censaria {

class Clock;
class RandomGenerator;

// One questionnaire screen's state: the loaded bank shuffled into ten rows, the V and F
// ticks, the marks of wrong rows, this questionnaire's counts and the running totals.
// Rows are numbered 0 to 9.
class QuestionnaireSession
{
public:
    static constexpr int rowCount = 10;

    // Loading a topic: new bank, rows shuffled through the program's one generator,
    // which is then re-seeded from the clock; the totals are kept.
    void load(const QuestionBank &bank, RandomGenerator &random, const Clock &clock);

    // A click on a row's V or F box, which is now ticked or not.
    void tickTrue(int row, bool ticked);
    void tickFalse(int row, bool ticked);

    // The steps of loading, in order: the bank's statements and answers in bank order,
    // then dealt to the rows at random through the generator, which is re-seeded after.
    void creamat();
    void ordinecasuale(RandomGenerator &random, const Clock &clock);

    // The rows with neither box ticked: how many, and which.
    int verifica() const;
    QList<int> unansweredRows() const;
    // Adds the right answers to giuste and marks the wrong rows; clears neither.
    void risultato();
    // Counts right and wrong answers into the totals; false, changing nothing, while a
    // row is unanswered. Scoring the same questionnaire again (after a refused name)
    // replaces its share of the totals: one questionnaire counts once.
    bool score();
    // The result has been written to the archive: it cannot be scored again.
    void recordingCompleted();

    // "Menù": the rows, ticks, marks, title and counts are cleared. The bank stays, but
    // with its statements gone it can no longer be scored.
    void clearForMenu();
    // "Archivio dei risultati": the same, except that the ticks stay.
    void clearForArchive();

    const QuestionBank *bank() const { return bank_; }
    QString codicequest() const { return bank_ ? bank_->code : QString(); }
    QString shownTitle() const { return shownTitle_; }
    QString statement(int row) const { return rows_[row].shown; }
    bool isTrueTicked(int row) const { return rows_[row].trueTicked; }
    bool isFalseTicked(int row) const { return rows_[row].falseTicked; }
    bool isWrong(int row) const { return rows_[row].wrong; }
    // Scored, and the rows not cleared since: each row can say whether it was right.
    bool isScored() const { return scored_; }
    // The answer a row expects: true for V.
    bool key(int row) const { return rows_[row].key; }

    int giuste() const { return giuste_; }
    int shownRight() const { return shownRight_; }
    int shownWrong() const { return shownWrong_; }
    int totalRight() const { return totalRight_; }
    int totalWrong() const { return totalWrong_; }

    bool canScore() const { return canScore_; }
    bool canOpenArchive() const { return canOpenArchive_; }

    // qfamiglia: 1 after the traditional families, 2 after the modern ones, 0 before.
    int qfamiglia() const { return qfamiglia_; }
    bool showsFamilyButton() const { return familyButtonShown_; }
    QString familyButtonCaption() const;
    // The loader the family button opens; empty when it opens nothing.
    QString otherFamilyLoader() const;

private:
    struct Row
    {
        QString shown; // text on screen
        bool key = false;
        bool trueTicked = false;     // V
        bool falseTicked = false;    // F
        bool lastTickedTrue = false; // last box clicked: true for V
        bool wrong = false;
    };

    void clearRows(bool ticksToo);

    const QuestionBank *bank_ = nullptr;
    std::array<QString, rowCount> frasi_{}; // statements in bank order
    std::array<bool, rowCount> chiave_{};   // their answers: true for V
    std::array<Row, rowCount> rows_{};
    QString shownTitle_;
    int giuste_ = 0;
    int shownRight_ = 0;
    int shownWrong_ = 0;
    int totalRight_ = 0;
    int totalWrong_ = 0;
    std::optional<int> countedRight_; // what this questionnaire put into the totals
    int qfamiglia_ = 0;
    bool familyButtonShown_ = false;
    bool canScore_ = false;
    bool scored_ = false;
    bool canOpenArchive_ = false;
};

} // namespace censaria
