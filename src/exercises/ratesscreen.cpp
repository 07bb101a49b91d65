#include "ratesscreen.h"

#include "screenkit/accessibility.h"
#include "screenkit/builders.h"
#include "screenkit/forms.h"
#include "screenkit/verdict.h"
#include "screenkit/module.h"
#include "screenkit/palette.h"
#include "archive/schema.h"
#include "calculatorpanel.h"
#include "exercisepictures.h"
#include "exercisesheets.h"
#include "platform/numbers.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "platform/wording.h"

#include <array>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace censaria {
namespace {

const QColor blankColour(255, 192, 128);
const QColor actionColour(196, 96, 20);
const QColor helpColour(60, 120, 90);

constexpr int frameTop = 960;
constexpr int frameWidth = 4140;
constexpr int frameHeight = 4800;
constexpr int captionLeft = 160;
constexpr int captionWidth = 2400;
constexpr int valueLeft = 2640;
constexpr int valueWidth = 1360;
constexpr int rowHeight = 420;

int givenRowTop(int row)
{
    return 420 + row * 540;
}
int answerRowTop(int row)
{
    return 2220 + row * 540;
}

// The help panels list the formulas the solutions use, each line led by six blanks.
QStringList helpLines(std::initializer_list<RatesExercise::Answer> answers)
{
    QStringList lines;
    for (RatesExercise::Answer answer : answers)
        lines << QStringLiteral("      ") + RatesExercise::formula(answer);
    return lines;
}

const QStringList firstHelp = helpLines({RatesExercise::Nati1, RatesExercise::Morti1, RatesExercise::Saldo1, RatesExercise::PopFinale1});
const QStringList secondHelp = helpLines(
    {RatesExercise::Saldo2, RatesExercise::PopFinale2, RatesExercise::TassoNat2, RatesExercise::TassoMort2});

} // namespace

RatesScreen::RatesScreen(Module &module)
    : ExerciseScreen(module, forms::rates)
{
    setWindowTitle(QStringLiteral("Calcolare..."));
    setBackground(QColor(238, 232, 218));

    addHeading(QStringLiteral("Con l'aiuto della calcolatrice, inserisci le risposte corrette nei riquadri arancioni"), palette::study);

    QGroupBox *firstFrame = frames_[0] = addProblemFrame(QStringLiteral("Frame1"), QStringLiteral("Primo esercizio"), 200);
    QGroupBox *secondFrame = frames_[1] = addProblemFrame(QStringLiteral("Frame2"), QStringLiteral("Secondo esercizio"), 4460);

    const auto caption = [this](QGroupBox *frame, const QString &text, int top) {
        makeLabel(frame, QString(), text, {captionLeft, top, captionWidth, rowHeight}, Twips::font(10), Qt::AlignVCenter)->setWordWrap(true);
    };
    const auto given = [&](QGroupBox *frame, const QString &name, const QString &text, int row) {
        caption(frame, text, givenRowTop(row));
        QLabel *value = addValueLabel(frame, name, {valueLeft, givenRowTop(row), valueWidth, rowHeight});
        accessible::describe(value, QStringLiteral("%1, %2").arg(frame->title(), accessible::fromCaption(text)));
        return value;
    };
    const auto answer = [&](QGroupBox *frame, const QString &name, const QString &text, int row, RatesExercise::Answer which) {
        caption(frame, text, answerRowTop(row));
        answerBoxes_[which] = addAnswerBox(frame, name, {valueLeft, answerRowTop(row), valueWidth, rowHeight});
        answerCaptions_[which] = accessible::fromCaption(text);
        accessible::name(answerBoxes_[which], accessible::fromCaption(text), frame->title());
    };

    firstPopulationLabel_ = given(firstFrame, QStringLiteral("labpopiniz"), QStringLiteral("Popolazione iniziale"), 0);
    firstBirthRateLabel_ = given(firstFrame, QStringLiteral("Labtassonat"), QStringLiteral("Tasso di natalità /1000"), 1);
    firstDeathRateLabel_ = given(firstFrame, QStringLiteral("Labtassomort"), QStringLiteral("Tasso di mortalità /1000"), 2);
    answer(firstFrame, QStringLiteral("txtnati"), QStringLiteral("Numero di nati"), 0, RatesExercise::Nati1);
    answer(firstFrame, QStringLiteral("txtmorti"), QStringLiteral("Numero di morti"), 1, RatesExercise::Morti1);
    answer(firstFrame, QStringLiteral("Txtsaldo"), QStringLiteral("Saldo naturale"), 2, RatesExercise::Saldo1);
    answer(firstFrame, QStringLiteral("Txtpopfine"), QStringLiteral("Popolazione finale:"), 3, RatesExercise::PopFinale1);

    secondPopulationLabel_ = given(secondFrame, QStringLiteral("Lab1popinizio"), QStringLiteral("Popolazione iniziale"), 0);
    secondBirthsLabel_ = given(secondFrame, QStringLiteral("Lab1nati"), QStringLiteral("Numero di nati"), 1);
    secondDeathsLabel_ = given(secondFrame, QStringLiteral("Lab1morti"), QStringLiteral("Numero di morti"), 2);
    answer(secondFrame, QStringLiteral("Txt1nati"), QStringLiteral("Tasso di natalità/1000"), 0, RatesExercise::TassoNat2);
    answer(secondFrame, QStringLiteral("txt1morti"), QStringLiteral("Tasso di mortalità/1000"), 1, RatesExercise::TassoMort2);
    answer(secondFrame, QStringLiteral("txt1saldo"), QStringLiteral("Saldo naturale"), 2, RatesExercise::Saldo2);
    answer(secondFrame, QStringLiteral("txt1popfine"), QStringLiteral("Popolazione finale"), 3, RatesExercise::PopFinale2);

    accessible::describe(makeButton(firstFrame, QStringLiteral("Cmdhelp1"), QStringLiteral("Aiuto"), {valueLeft, 4320, valueWidth, 380},
                                    filledLook(helpColour), this, &RatesScreen::Cmdhelp1_Click),
                         QStringLiteral("Le formule del primo esercizio"));
    accessible::describe(makeButton(secondFrame, QStringLiteral("Cmdhelp2"), QStringLiteral("Aiuto"), {valueLeft, 4320, valueWidth, 380},
                                    filledLook(helpColour), this, &RatesScreen::Cmdhelp2_Click),
                         QStringLiteral("Le formule del secondo esercizio"));

    placeCalculator(8720, frameTop);
    picture_ = makeLabel(canvas(), QStringLiteral("Image2"), QString(), {8720, 4320, CalculatorPanel::widthTwips, 1400}, Twips::font(9));
    picture_->setWordWrap(true);
    picture_->setPixmap(pictures::crowd(picture_->size(), palette::operate));

    correctButton_ = makeButton(canvas(), QStringLiteral("CMDRISULT"), QStringLiteral("CORREGGI"), {200, 6300, 2000, 600},
                                filledLook(actionColour), this, &RatesScreen::CMDRISULT_Click);
    makeButton(canvas(), QStringLiteral("CmdNUOVO"), QStringLiteral("Nuova situazione"), {2340, 6300, 2000, 600}, filledLook(helpColour), this,
               &RatesScreen::CmdNUOVO_Click);
    addCounters();

    helpPanel_ = makeLabel(canvas(), QStringLiteral("Label20"), QString(), {200, 120, 8400, 5880}, Twips::font(10.5, true),
                           Qt::AlignLeft | Qt::AlignTop);
    helpPanel_->setStyleSheet(QStringLiteral("background: #fff7d6; color: #1d2330; border: 3px solid #c49a2c; border-radius: 8px;"));
    helpPanel_->hide();
    helpOkButton_ = makeButton(canvas(), QStringLiteral("cmdok"), QStringLiteral("OK"), {3800, 5160, 1200, 540}, filledLook(helpColour), this,
                               &RatesScreen::cmdok_Click);
    helpOkButton_->hide();

    addNavigationButtons(QStringLiteral("Cmdfine"), 4640, 7980);
    addSheetButton({8720, 240, CalculatorPanel::widthTwips, 500});
    addSolution({8720, 4320, CalculatorPanel::widthTwips, 460}, {8720, 4820, CalculatorPanel::widthTwips, 1240});
    submitOnEnter({answerBoxes_.begin(), answerBoxes_.end()}, correctButton_);

    calculator()->reset();
    for (QLineEdit *box : answerBoxes_)
        setControlColour(box, blankColour);
    generate(RatesExercise::Moment::Load);

    // One problem after the other, each with its help; the help's OK stands where the problems were.
    setKeyboardOrder(controls({"txtnati",   "txtmorti",         "Txtsaldo",    "Txtpopfine", "Cmdhelp1",     "Txt1nati", "txt1morti",
                               "txt1saldo", "txt1popfine",      "Cmdhelp2",    "Frame3",     "CmdSOLUZIONE", "cmdok",    "CMDRISULT",
                               "CmdNUOVO",  "printSheetButton", "Cmdarchivio", "Cmdtorno",   "cmdmenu",      "Cmdfine"}),
                     answerBoxes_[RatesExercise::Nati1]);
}

QGroupBox *RatesScreen::addProblemFrame(const QString &name, const QString &title, int left)
{
    QGroupBox *frame = makePanel(canvas(), name, title, {left, frameTop, frameWidth, frameHeight}, QColor(251, 248, 241), QColor(122, 62, 16));
    // The separator between the given values and the answers.
    auto *line = new QFrame(frame);
    line->setFrameShape(QFrame::HLine);
    line->setStyleSheet(QStringLiteral("color: #d8c4a8;"));
    line->setGeometry(Twips::rect(captionLeft, 2010, frameWidth - 2 * captionLeft, 60));
    return frame;
}

void RatesScreen::addCounters()
{
    constexpr int left = 4640;
    const auto caption = [this](const QString &text, QRect twips, double points, Qt::Alignment alignment) {
        makeLabel(canvas(), QString(), text, twips, Twips::font(points, true), alignment)->setWordWrap(true);
    };
    caption(QStringLiteral("Risposte sbagliate"), {left + 2200, 6100, 1300, 360}, 8, Qt::AlignCenter);
    caption(QStringLiteral("Risposte giuste"), {left + 3600, 6100, 1300, 360}, 8, Qt::AlignCenter);
    caption(QStringLiteral("Esercizio attuale:"), {left, 6500, 2100, 420}, 10, Qt::AlignRight | Qt::AlignVCenter);
    caption(QStringLiteral("Totale:"), {left, 7040, 2100, 420}, 10, Qt::AlignRight | Qt::AlignVCenter);
    wrongNowLabel_ = addValueLabel(canvas(), QStringLiteral("Label6"), {left + 2400, 6500, 900, 420});
    rightNowLabel_ = addValueLabel(canvas(), QStringLiteral("Label2"), {left + 3800, 6500, 900, 420});
    wrongTotalLabel_ = addValueLabel(canvas(), QStringLiteral("Label11"), {left + 2400, 7040, 900, 420});
    rightTotalLabel_ = addValueLabel(canvas(), QStringLiteral("Label4"), {left + 3800, 7040, 900, 420});
    accessible::describe(wrongNowLabel_, QStringLiteral("Risposte sbagliate, esercizio attuale"));
    accessible::describe(rightNowLabel_, QStringLiteral("Risposte giuste, esercizio attuale"));
    accessible::describe(wrongTotalLabel_, QStringLiteral("Risposte sbagliate, totale"));
    accessible::describe(rightTotalLabel_, QStringLiteral("Risposte giuste, totale"));
    for (QLabel *wrong : {wrongNowLabel_, wrongTotalLabel_})
        wrong->setStyleSheet(wrong->styleSheet() + QStringLiteral("color: #b91c1c;"));
    for (QLabel *right : {rightNowLabel_, rightTotalLabel_})
        right->setStyleSheet(right->styleSheet() + QStringLiteral("color: #15803d;"));
}

void RatesScreen::generate(RatesExercise::Moment moment)
{
    module().platform().random->reseedFromClock(*module().platform().clock);
    exercise_.generate(*module().platform().random, moment);
    firstPopulationLabel_->setText(numbers::toText(exercise_.popiniziale1));
    firstBirthRateLabel_->setText(numbers::toText(exercise_.tassonat1));
    firstDeathRateLabel_->setText(numbers::toText(exercise_.tassomort1));
    secondPopulationLabel_->setText(numbers::toText(exercise_.popiniziale2));
    secondBirthsLabel_->setText(numbers::toText(exercise_.nati2));
    secondDeathsLabel_->setText(numbers::toText(exercise_.morti2));
}

void RatesScreen::CmdNUOVO_Click()
{
    correctButton_->setEnabled(true);
    rightNowLabel_->clear();
    wrongNowLabel_->clear();
    for (QLineEdit *box : answerBoxes_) {
        box->clear();
        setControlColour(box, blankColour);
        showVerdict(box, Verdict::None);
    }
    wrong_ = {};
    generate(RatesExercise::Moment::NewSituation);
    showSolutionOrPicture();
}

void RatesScreen::CMDRISULT_Click()
{
    RatesExercise::Answers answers;
    for (int i = 0; i < RatesExercise::answerCount; ++i)
        answers[i] = answerBoxes_[i]->text();
    if (const auto completeness = RatesExercise::completeness(answers); completeness != RatesExercise::Completeness::Complete) {
        askToComplete(completeness);
        return;
    }
    const RatesExercise::Correction correction = exercise_.correct(answers);
    wrong_ = correction.wrong;
    for (int i = 0; i < RatesExercise::answerCount; ++i) {
        if (correction.wrong[i])
            setControlColour(answerBoxes_[i], palette::wrong);
        showVerdict(answerBoxes_[i], correction.wrong[i] ? Verdict::Wrong : Verdict::Right);
    }
    rightNowLabel_->setText(numbers::toText(correction.giusti));
    wrongNowLabel_->setText(numbers::toText(correction.sbagliati));
    rightTotalLabel_->setText(numbers::toText(exercise_.totgiusti));
    wrongTotalLabel_->setText(numbers::toText(exercise_.totsbagliati));
    correctButton_->setEnabled(false);
    showSolutionOrPicture();
    if (correction.counted)
        record();
}

void RatesScreen::askToComplete(RatesExercise::Completeness completeness)
{
    const bool first = completeness == RatesExercise::Completeness::FirstIncomplete;
    using Boxes = std::array<RatesExercise::Answer, 4>;
    const Boxes problem = first ? Boxes{RatesExercise::Nati1, RatesExercise::Morti1, RatesExercise::Saldo1, RatesExercise::PopFinale1}
                                : Boxes{RatesExercise::TassoNat2, RatesExercise::TassoMort2, RatesExercise::Saldo2, RatesExercise::PopFinale2};
    QStringList empty;
    QLineEdit *firstEmpty = nullptr;
    for (RatesExercise::Answer answer : problem)
        if (answerBoxes_[answer]->text().isEmpty()) {
            empty << QStringLiteral("«%1»").arg(answerCaptions_[answer]);
            firstEmpty = firstEmpty ? firstEmpty : answerBoxes_[answer];
        }
    const QString where = first ? QStringLiteral("del primo esercizio") : QStringLiteral("del secondo esercizio");
    module().message(QStringLiteral("Devi completare la risposta...\n%1 %2 %3.")
                         .arg(empty.size() == 1 ? QStringLiteral("È vuota la casella") : QStringLiteral("Sono vuote le caselle"),
                              wording::listed(empty), where));
    firstEmpty->setFocus();
}

void RatesScreen::record()
{
    const schema::Table &table = schema::esercizi();
    module().recordResult(QStringLiteral("Esercizi"),
                          {{table.position(QStringLiteral("calcolo Tassi")), exercise_.totgiusti},
                           {table.position(QStringLiteral("tassiSB")), exercise_.totsbagliati},
                           {table.position(QStringLiteral("tassi%")), exercise_.percentRight()}},
                          table.position(QStringLiteral("data3")));
}

void RatesScreen::Cmdhelp1_Click()
{
    showHelp(firstHelp);
}
void RatesScreen::Cmdhelp2_Click()
{
    showHelp(secondHelp);
}

void RatesScreen::showHelp(const QStringList &lines)
{
    for (QGroupBox *frame : frames_)
        frame->hide();
    picture_->hide();
    helpOkButton_->show();
    helpOkButton_->raise();
    helpPanel_->setText(QStringLiteral("\n\n\n") + lines.join(QStringLiteral("\n\n")));
    helpPanel_->show();
    helpPanel_->raise();
    helpOkButton_->raise();
    helpOkButton_->setFocus(Qt::OtherFocusReason);
}

void RatesScreen::cmdok_Click()
{
    for (QGroupBox *frame : frames_)
        frame->show();
    helpOkButton_->hide();
    helpPanel_->hide();
    showSolutionOrPicture();
}

QList<QLineEdit *> RatesScreen::wrongBoxes() const
{
    // Reading order: each problem from the top.
    QList<QLineEdit *> boxes;
    for (RatesExercise::Answer a : {RatesExercise::Nati1, RatesExercise::Morti1, RatesExercise::Saldo1, RatesExercise::PopFinale1,
                                    RatesExercise::TassoNat2, RatesExercise::TassoMort2, RatesExercise::Saldo2, RatesExercise::PopFinale2})
        if (wrong_[a])
            boxes << answerBoxes_[a];
    return boxes;
}

QString RatesScreen::revealSolution(QLineEdit *box)
{
    const auto answer = RatesExercise::Answer(std::find(answerBoxes_.begin(), answerBoxes_.end(), box) - answerBoxes_.begin());
    exercise_.reveal(answer);
    showVerdict(box, Verdict::Wrong, false, QStringLiteral("la soluzione è %1").arg(exercise_.expected(answer)));
    return exercise_.solution(answer);
}

// The solution takes the place of the picture under the calculator while there is one to show.
void RatesScreen::showSolutionOrPicture()
{
    updateSolution();
    picture_->setVisible(wrongBoxes().isEmpty() && !helpPanel_->isVisible());
}

void RatesScreen::Cmdarchivio_Click()
{
    // Asked before the results screen refreshes, so that it opens on this pupil.
    module().ensurePupilName();
    openResults();
}

std::unique_ptr<Worksheet> RatesScreen::makeSheet(int problems)
{
    return std::make_unique<RatesSheet>(*module().platform().random, *module().platform().clock, problems);
}

} // namespace censaria
