#include "questionnairesession.h"

#include "platform/random.h"

namespace censaria {

void QuestionnaireSession::load(const QuestionBank &bank, RandomGenerator &random, const Clock &clock)
{
    canOpenArchive_ = false;
    bank_ = &bank;
    if (bank.loader == familyLoaders::traditional)
        qfamiglia_ = 1;
    else if (bank.loader == familyLoaders::modern)
        qfamiglia_ = 2;
    familyButtonShown_ = bank.isFamily();
    shownRight_ = 0;
    shownWrong_ = 0;
    countedRight_.reset();
    clearRows(false);
    creamat();
    ordinecasuale(random, clock);
    shownTitle_ = bank.title;
    canScore_ = true;
}

void QuestionnaireSession::creamat()
{
    for (int p = 0; p < rowCount; ++p) {
        frasi_[p] = bank_->statements[p].text;
        chiave_[p] = bank_->statements[p].isTrue;
    }
}

void QuestionnaireSession::ordinecasuale(RandomGenerator &random, const Clock &clock)
{
    std::array<bool, rowCount> taken{};
    for (Row &row : rows_) {
        int k = 0;
        do {
            k = random.draw(1, rowCount) - 1;
        } while (taken[k]);
        taken[k] = true;
        row.shown = frasi_[k];
        row.key = chiave_[k];
        row.trueTicked = false;
        row.falseTicked = false;
    }
    // Only after the ten draws: the first shuffle of a run is always the same.
    random.reseedFromClock(clock);
}

void QuestionnaireSession::tickTrue(int row, bool ticked)
{
    if (ticked)
        rows_[row].falseTicked = false;
    rows_[row].trueTicked = ticked;
    rows_[row].lastTickedTrue = true;
}

void QuestionnaireSession::tickFalse(int row, bool ticked)
{
    if (ticked)
        rows_[row].trueTicked = false;
    rows_[row].falseTicked = ticked;
    rows_[row].lastTickedTrue = false;
}

int QuestionnaireSession::verifica() const
{
    return int(unansweredRows().size());
}

QList<int> QuestionnaireSession::unansweredRows() const
{
    QList<int> rows;
    for (int row = 0; row < rowCount; ++row)
        if (!rows_[row].trueTicked && !rows_[row].falseTicked)
            rows.append(row);
    return rows;
}

bool QuestionnaireSession::score()
{
    if (verifica() > 0)
        return false;
    giuste_ = 0;
    canOpenArchive_ = true;
    scored_ = true;
    risultato();
    shownRight_ = giuste_;
    shownWrong_ = rowCount - giuste_;
    if (countedRight_) {
        totalRight_ -= *countedRight_;
        totalWrong_ -= rowCount - *countedRight_;
    }
    totalRight_ += giuste_;
    totalWrong_ += rowCount - giuste_;
    countedRight_ = giuste_;
    return true;
}

void QuestionnaireSession::risultato()
{
    // A wrong mark is only ever set here: a corrected row stays marked until cleared.
    for (Row &row : rows_) {
        if (row.lastTickedTrue == row.key)
            ++giuste_;
        else
            row.wrong = true;
    }
}

void QuestionnaireSession::recordingCompleted()
{
    canScore_ = false;
}

void QuestionnaireSession::clearForMenu()
{
    clearRows(true);
    shownTitle_.clear();
    shownRight_ = 0;
    shownWrong_ = 0;
    canScore_ = false;
}

void QuestionnaireSession::clearForArchive()
{
    clearRows(false);
    shownTitle_.clear();
    shownRight_ = 0;
    shownWrong_ = 0;
}

void QuestionnaireSession::clearRows(bool ticksToo)
{
    scored_ = false;
    for (Row &row : rows_) {
        row.wrong = false;
        row.shown.clear();
        if (ticksToo) {
            row.trueTicked = false;
            row.falseTicked = false;
        }
    }
}

QString QuestionnaireSession::familyButtonCaption() const
{
    switch (qfamiglia_) {
    case 1: return QStringLiteral("Mostra le domande del 2° questionario");
    case 2: return QStringLiteral("Mostra le domande del 1° questionario");
    default: return QStringLiteral("MOSTRA DOMANDE");
    }
}

QString QuestionnaireSession::otherFamilyLoader() const
{
    switch (qfamiglia_) {
    case 1: return familyLoaders::modern;
    case 2: return familyLoaders::traditional;
    default: return QString();
    }
}

} // namespace censaria
