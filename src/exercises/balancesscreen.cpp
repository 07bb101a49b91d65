#include "balancesscreen.h"

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

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVariantAnimation>

namespace censaria {
namespace {

const QColor checkColour(30, 120, 80);

const QStringList helpLines = {BalancesExercise::formula(BalancesExercise::SaldoNaturale),
                               BalancesExercise::formula(BalancesExercise::SaldoMigratorio),
                               BalancesExercise::formula(BalancesExercise::Pop),
                               QStringLiteral("I paesi RICCHI, a differenza di quelli poveri, hanno tassi di natalità e di mortalità BASSI"),
                               QStringLiteral("IMMIGRATI: sono le persone che arrivano"),
                               QStringLiteral("EMIGRATI: sono le persone che partono"),
                               QStringLiteral("I paesi in rapido sviluppo ricevono molti Immigrati e perdono pochi Emigrati")};

template <typename Button>
Button *addChoice(QWidget *parent, const QString &name, const QString &caption, QRect twips)
{
    auto *button = new Button(caption, parent);
    place(button, name, twips, Twips::font(9));
    return button;
}

// The check button lights up for a moment when pressed.
void pulse(QPushButton *button, const QString &styleTemplate)
{
    auto *animation = new QVariantAnimation(button);
    animation->setDuration(450);
    animation->setStartValue(QColor(255, 214, 90));
    animation->setEndValue(checkColour);
    QObject::connect(animation, &QVariantAnimation::valueChanged, button,
                     [button, styleTemplate](const QVariant &value) { button->setStyleSheet(styleTemplate.arg(value.value<QColor>().name())); });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

const QString checkButtonStyle = QStringLiteral("QPushButton { background: %1; color: white; border: 3px solid #145236; border-radius: 10px; }");

} // namespace

BalancesScreen::BalancesScreen(Module &module)
    : ExerciseScreen(module, forms::balances)
{
    setWindowTitle(QStringLiteral("Saldo naturale e migratorio"));
    setBackground(QColor(226, 234, 246));

    addHeading(
        QStringLiteral(
            "Con l'aiuto della calcolatrice, inserisci le risposte nei riquadri azzurri. Alla fine, seleziona, sotto, le affermazioni corrette."),
        checkColour);

    addData();
    placeCalculator(8560, 960);
    addCalculations();
    addUnderstanding();

    checkButton_ = makeButton(canvas(), QStringLiteral("AniPushButton1"), QStringLiteral("✔  CONTROLLA"), {8560, 4300, 3240, 680},
                              {checkButtonStyle.arg(checkColour.name()), 12}, this, &BalancesScreen::checkAnswers);
    addCounters();
    makeButton(canvas(), QStringLiteral("CmdNUOVO"), QStringLiteral("NUOVO ESERCIZIO"), {4540, 7680, 2760, 540}, filledLook(palette::operate),
               this, &BalancesScreen::CmdNUOVO_Click);
    makeButton(canvas(), QStringLiteral("CmdAIUTO"), QStringLiteral("AIUTO?"), {7480, 7680, 1320, 540}, filledLook(QColor(196, 96, 20)), this,
               &BalancesScreen::CmdAIUTO_Click);
    addNavigationButtons(QStringLiteral("Cmdesco"), 4540, 8340);
    addSheetButton({8560, 240, CalculatorPanel::widthTwips, 500});
    addSolution({8960, 7680, 2840, 540}, {5640, 1040, 2760, 2320});
    submitOnEnter({naturalBalanceBox_, migrationBalanceBox_, finalPopulationBox_}, checkButton_);

    CmdNUOVO_Click();

    // The calculations, then the understanding, then the check that judges them all.
    QStringList order = {"TXTSNATURALE", "Check2(0)", "Check2(1)", "TXTSMIGRATORIO", "Check3(0)", "Check3(1)", "TXTPOP", "Frame3"};
    for (int i = 0; i < BalancesExercise::optionCount; ++i)
        order << QStringLiteral("Option3(%1)").arg(i);
    for (int i = 0; i < BalancesExercise::factCount; ++i)
        order << QStringLiteral("Check1(%1)").arg(i);
    order << QStringList{"AniPushButton1", "CmdNUOVO", "CmdAIUTO", "CmdSOLUZIONE", "printSheetButton",
                         "Cmdarchivio",    "Cmdtorno", "cmdmenu",  "Cmdesco"};
    setKeyboardOrder(controls(order), naturalBalanceBox_);
}

void BalancesScreen::addData()
{
    QGroupBox *data = addSection(QStringLiteral("data"), QStringLiteral("I dati dell'anno"), {200, 960, 5280, 2400});
    const auto caption = [&](const QString &text, int left, int top, int width) {
        makeLabel(data, QString(), text, {left, top, width, 360}, Twips::font(9.5), Qt::AlignVCenter);
    };
    const auto value = [&](const QString &name, int left, int top, int width) { return addValueLabel(data, name, {left, top, width, 360}); };
    // Values are read with what they are.
    const auto describe = [](QLabel *value, const char *what) { accessible::describe(value, QString::fromUtf8(what)); };
    const int rows[] = {330, 750, 1170, 1590, 2010};
    caption(QStringLiteral("Popolazione all'inizio dell'anno:"), 160, rows[0], 2860);
    startPopulationLabel_ = value(QStringLiteral("LabPOP"), 3060, rows[0], 1200);
    caption(QStringLiteral("Bambini nati:"), 160, rows[1], 1560);
    birthsLabel_ = value(QStringLiteral("Labnati"), 1760, rows[1], 900);
    caption(QStringLiteral("pari a:"), 2760, rows[1], 700);
    birthRateLabel_ = value(QStringLiteral("Labtassonat"), 3460, rows[1], 800);
    caption(QStringLiteral("/1000"), 4320, rows[1], 700);
    caption(QStringLiteral("Persone morte:"), 160, rows[2], 1560);
    deathsLabel_ = value(QStringLiteral("Labmorti"), 1760, rows[2], 900);
    caption(QStringLiteral("pari a:"), 2760, rows[2], 700);
    deathRateLabel_ = value(QStringLiteral("Labtassomort"), 3460, rows[2], 800);
    caption(QStringLiteral("/1000"), 4320, rows[2], 700);
    caption(QStringLiteral("Persone emigrate:"), 160, rows[3], 2860);
    emigrantsLabel_ = value(QStringLiteral("Labemig"), 3060, rows[3], 1200);
    caption(QStringLiteral("Persone immigrate:"), 160, rows[4], 2860);
    immigrantsLabel_ = value(QStringLiteral("Labimmig"), 3060, rows[4], 1200);
    describe(startPopulationLabel_, "Popolazione all'inizio dell'anno");
    describe(birthsLabel_, "Bambini nati");
    describe(birthRateLabel_, "Tasso di natalità per mille");
    describe(deathsLabel_, "Persone morte");
    describe(deathRateLabel_, "Tasso di mortalità per mille");
    describe(emigrantsLabel_, "Persone emigrate");
    describe(immigrantsLabel_, "Persone immigrate");

    auto *picture = makeLabel(canvas(), QStringLiteral("Picture1"), QString(), {5640, 1040, 2760, 2320}, Twips::font(9));
    picture->setWordWrap(true);
    picture->setPixmap(pictures::migration(picture->size()));
}

void BalancesScreen::addCalculations()
{
    QGroupBox *section = addSection(QStringLiteral("calculations"), QStringLiteral("Calcoli"), {200, 3480, 8200, 1560});
    const auto caption = [&](const QString &text, int left, int top, int width) {
        makeLabel(section, QString(), text, {left, top, width, 380}, Twips::font(9.5, true), Qt::AlignVCenter);
    };
    const auto signs = [&](const QString &name, int top) {
        std::array<QCheckBox *, 2> boxes{};
        boxes[0] = addChoice<QCheckBox>(section, name + QStringLiteral("(0)"), QStringLiteral("positivo"), {6000, top, 1000, 380});
        boxes[1] = addChoice<QCheckBox>(section, name + QStringLiteral("(1)"), QStringLiteral("negativo"), {7060, top, 1040, 380});
        return boxes;
    };
    caption(QStringLiteral("Saldo naturale:"), 160, 330, 1900);
    naturalBalanceBox_ = addAnswerBox(section, QStringLiteral("TXTSNATURALE"), {2100, 330, 1400, 380});
    caption(QStringLiteral("Il saldo naturale è:"), 3760, 330, 2200);
    naturalSignBoxes_ = signs(QStringLiteral("Check2"), 330);
    caption(QStringLiteral("Saldo migratorio:"), 160, 750, 1900);
    migrationBalanceBox_ = addAnswerBox(section, QStringLiteral("TXTSMIGRATORIO"), {2100, 750, 1400, 380});
    caption(QStringLiteral("Il saldo migratorio è:"), 3760, 750, 2200);
    migrationSignBoxes_ = signs(QStringLiteral("Check3"), 750);
    caption(QStringLiteral("POPOLAZIONE ALLA FINE DELL'ANNO:"), 160, 1170, 4200);
    finalPopulationBox_ = addAnswerBox(section, QStringLiteral("TXTPOP"), {4400, 1170, 1600, 380});
    accessible::name(naturalBalanceBox_, QStringLiteral("Saldo naturale"));
    accessible::name(migrationBalanceBox_, QStringLiteral("Saldo migratorio"));
    accessible::name(finalPopulationBox_, QStringLiteral("Popolazione alla fine dell'anno"));
    for (int i = 0; i < 2; ++i) {
        accessible::name(naturalSignBoxes_[i], QStringLiteral("Il saldo naturale è %1").arg(naturalSignBoxes_[i]->text()));
        accessible::name(migrationSignBoxes_[i], QStringLiteral("Il saldo migratorio è %1").arg(migrationSignBoxes_[i]->text()));
    }
}

void BalancesScreen::addUnderstanding()
{
    QGroupBox *section = addSection(QStringLiteral("understanding"), QStringLiteral("Comprensione"), {200, 5160, 11600, 2340});
    const auto heading = [&](const QString &text, int left, int width) {
        makeLabel(section, QString(), text, {left, 300, width, 320}, Twips::font(9.5, true));
    };
    heading(QStringLiteral("Questi dati sono tipici di:"), 160, 2700);
    makeLabel(section, QString(), QStringLiteral("(una risposta)"), {2860, 300, 1300, 320}, Twips::font(8.5));
    // The options sit in a box of their own, so that they exclude only one another.
    auto *options = new QWidget(section);
    options->setGeometry(Twips::rect(120, 660, 4400, 1480));
    for (int i = 0; i < BalancesExercise::optionCount; ++i)
        regionOptions_[i] = addChoice<QRadioButton>(options, QStringLiteral("Option3(%1)").arg(i), BalancesExercise::optionCaption(i),
                                                    {40, i * 370, 4300, 340});
    heading(QStringLiteral("Lo capisco dai seguenti fatti: (tre risposte)"), 4800, 5000);
    for (int i = 0; i < BalancesExercise::factCount; ++i)
        factBoxes_[i] = addChoice<QCheckBox>(section, QStringLiteral("Check1(%1)").arg(i), BalancesExercise::factCaption(i),
                                             {4800, 660 + i * 270, 6600, 250});
}

void BalancesScreen::addCounters()
{
    const auto caption = [this](const QString &text, QRect twips, double points, Qt::Alignment alignment) {
        makeLabel(canvas(), QString(), text, twips, Twips::font(points, true), alignment);
    };
    caption(QStringLiteral("giuste"), {2200, 7620, 900, 280}, 8, Qt::AlignCenter);
    caption(QStringLiteral("sbagliate"), {3200, 7620, 1000, 280}, 8, Qt::AlignCenter);
    caption(QStringLiteral("Calcoli:"), {200, 7920, 1900, 380}, 9.5, Qt::AlignRight | Qt::AlignVCenter);
    caption(QStringLiteral("Comprensione:"), {200, 8380, 1900, 380}, 9.5, Qt::AlignRight | Qt::AlignVCenter);
    calculationsRightLabel_ = addValueLabel(canvas(), QStringLiteral("Labcalcgiusti"), {2250, 7920, 800, 380});
    calculationsWrongLabel_ = addValueLabel(canvas(), QStringLiteral("LabcalcSB"), {3300, 7920, 800, 380});
    understandingRightLabel_ = addValueLabel(canvas(), QStringLiteral("Labcompgiusti"), {2250, 8380, 800, 380});
    understandingWrongLabel_ = addValueLabel(canvas(), QStringLiteral("LabcompSB"), {3300, 8380, 800, 380});
    accessible::describe(calculationsRightLabel_, QStringLiteral("Calcoli, risposte giuste"));
    accessible::describe(calculationsWrongLabel_, QStringLiteral("Calcoli, risposte sbagliate"));
    accessible::describe(understandingRightLabel_, QStringLiteral("Comprensione, risposte giuste"));
    accessible::describe(understandingWrongLabel_, QStringLiteral("Comprensione, risposte sbagliate"));
    for (QLabel *right : {calculationsRightLabel_, understandingRightLabel_})
        right->setStyleSheet(right->styleSheet() + QStringLiteral("color: #15803d;"));
    for (QLabel *wrong : {calculationsWrongLabel_, understandingWrongLabel_})
        wrong->setStyleSheet(wrong->styleSheet() + QStringLiteral("color: #b91c1c;"));
}

void BalancesScreen::CmdNUOVO_Click()
{
    for (QLineEdit *box : {finalPopulationBox_, migrationBalanceBox_, naturalBalanceBox_})
        box->clear();
    for (QCheckBox *box : {naturalSignBoxes_[0], naturalSignBoxes_[1], migrationSignBoxes_[0], migrationSignBoxes_[1]})
        box->setChecked(false);
    for (QRadioButton *option : regionOptions_) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
    for (QCheckBox *fact : factBoxes_)
        fact->setChecked(false);

    module().platform().random->reseedFromClock(*module().platform().clock);
    exercise_.generate(*module().platform().random);
    checked_ = false;
    startPopulationLabel_->setText(numbers::toText(exercise_.popinizio));
    birthsLabel_->setText(numbers::toText(exercise_.nati));
    deathsLabel_->setText(numbers::toText(exercise_.morti));
    emigrantsLabel_->setText(numbers::toText(exercise_.emigrati));
    immigrantsLabel_->setText(numbers::toText(exercise_.immigrati));
    birthRateLabel_->setText(exercise_.tassoNatText());
    deathRateLabel_->setText(exercise_.tassoMortText());
    showMarks();
}

QGroupBox *BalancesScreen::addSection(const QString &name, const QString &title, QRect twips)
{
    return makePanel(canvas(), name, title, twips, QColor(244, 246, 251), QColor(34, 52, 92));
}

BalancesExercise::Answers BalancesScreen::answers() const
{
    BalancesExercise::Answers a;
    a.pop = finalPopulationBox_->text();
    a.saldoNaturale = naturalBalanceBox_->text();
    a.saldoMigratorio = migrationBalanceBox_->text();
    for (int i = 0; i < 2; ++i) {
        a.segnoNat[i] = naturalSignBoxes_[i]->isChecked();
        a.segnoMig[i] = migrationSignBoxes_[i]->isChecked();
    }
    for (int i = 0; i < BalancesExercise::optionCount; ++i)
        if (regionOptions_[i]->isChecked())
            a.option = i;
    for (int i = 0; i < BalancesExercise::factCount; ++i)
        a.facts[i] = factBoxes_[i]->isChecked();
    return a;
}

void BalancesScreen::checkAnswers()
{
    pulse(checkButton_, checkButtonStyle);
    const BalancesExercise::Answers given = answers();
    if (const QList<BalancesExercise::Missing> missing = BalancesExercise::missing(given); !missing.isEmpty()) {
        askToComplete(missing);
        return;
    }
    if (exercise_.check(given)) {
        checked_ = true;
        showMarks();
        showCounters();
        recorded_ = record();
    } else if (!recorded_) {
        // The same counters, still to be stored: the name was refused last time.
        recorded_ = record();
    }
}

// The message names what is still to be given, and the first of it takes the keyboard.
void BalancesScreen::askToComplete(const QList<BalancesExercise::Missing> &missing)
{
    using M = BalancesExercise::Missing;
    const auto place = [this](M what) -> std::pair<QString, QWidget *> {
        switch (what) {
        case M::SaldoNaturale: return {QStringLiteral("il saldo naturale"), naturalBalanceBox_};
        case M::SegnoNat: return {QStringLiteral("il segno del saldo naturale"), naturalSignBoxes_[0]};
        case M::SaldoMigratorio: return {QStringLiteral("il saldo migratorio"), migrationBalanceBox_};
        case M::SegnoMig: return {QStringLiteral("il segno del saldo migratorio"), migrationSignBoxes_[0]};
        case M::Pop: return {QStringLiteral("la popolazione alla fine dell'anno"), finalPopulationBox_};
        case M::Option: return {QStringLiteral("il tipo di regione («Questi dati sono tipici di:»)"), regionOptions_[0]};
        }
        return {};
    };
    QStringList names;
    for (M what : missing)
        names << place(what).first;
    module().message(QStringLiteral("Non hai completato la risposta: %1 %2.")
                         .arg(names.size() == 1 ? QStringLiteral("manca") : QStringLiteral("mancano"), wording::listed(names)));
    place(missing.first()).second->setFocus();
}

void BalancesScreen::showMarks()
{
    showVerdicts();
    const BalancesExercise::Marks &marks = exercise_.marks();
    const auto paint = [](QWidget *control, bool red, const QColor &normal) { setControlColour(control, red ? palette::wrong : normal); };
    paint(finalPopulationBox_, marks.pop, palette::answer);
    paint(naturalBalanceBox_, marks.saldoNaturale, palette::answer);
    paint(migrationBalanceBox_, marks.saldoMigratorio, palette::answer);
    for (int i = 0; i < 2; ++i) {
        paint(naturalSignBoxes_[i], marks.segnoNat[i], palette::answer);
        paint(migrationSignBoxes_[i], marks.segnoMig[i], palette::answer);
    }
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    for (int i = 0; i < BalancesExercise::optionCount; ++i)
        paint(regionOptions_[i], marks.options[i], buttonFace);
    for (int i = 0; i < BalancesExercise::factCount; ++i)
        paint(factBoxes_[i], marks.facts[i], buttonFace);
}

// Beside every red, a cross; after a check, a tick on the numbers and signs found right.
void BalancesScreen::showVerdicts()
{
    const BalancesExercise::Marks &marks = exercise_.marks();
    const auto verdict = [this](bool red, bool judged) { return red ? Verdict::Wrong : checked_ && judged ? Verdict::Right : Verdict::None; };
    const auto number = [&](QLineEdit *box, BalancesExercise::NumberAnswer which, bool red) {
        const QString note = red && exercise_.isRevealed(which) ? QStringLiteral("la soluzione è %1").arg(exercise_.expected(which)) : QString();
        showVerdict(box, verdict(red, true), false, note);
    };
    number(finalPopulationBox_, BalancesExercise::Pop, marks.pop);
    number(naturalBalanceBox_, BalancesExercise::SaldoNaturale, marks.saldoNaturale);
    number(migrationBalanceBox_, BalancesExercise::SaldoMigratorio, marks.saldoMigratorio);
    for (int i = 0; i < 2; ++i) {
        showVerdict(naturalSignBoxes_[i], verdict(marks.segnoNat[i], naturalSignBoxes_[i]->isChecked()));
        showVerdict(migrationSignBoxes_[i], verdict(marks.segnoMig[i], migrationSignBoxes_[i]->isChecked()));
    }
    for (int i = 0; i < BalancesExercise::optionCount; ++i)
        showVerdict(regionOptions_[i], marks.options[i] ? Verdict::Wrong : Verdict::None);
    for (int i = 0; i < BalancesExercise::factCount; ++i)
        showVerdict(factBoxes_[i], marks.facts[i] ? Verdict::Wrong : Verdict::None);
    // The red option is the one that should have been chosen.
    for (int i = 0; i < BalancesExercise::optionCount; ++i)
        if (marks.options[i])
            accessible::describe(regionOptions_[i], QStringLiteral("sbagliato: la risposta giusta era questa"));
    updateSolution();
    // A tick box with a mark has less room for its caption.
    fitTextsAgain();
}

QList<QLineEdit *> BalancesScreen::wrongBoxes() const
{
    const BalancesExercise::Marks &marks = exercise_.marks();
    QList<QLineEdit *> boxes;
    if (marks.saldoNaturale)
        boxes << naturalBalanceBox_;
    if (marks.saldoMigratorio)
        boxes << migrationBalanceBox_;
    if (marks.pop)
        boxes << finalPopulationBox_;
    return boxes;
}

QString BalancesScreen::revealSolution(QLineEdit *box)
{
    const BalancesExercise::NumberAnswer which = box == finalPopulationBox_  ? BalancesExercise::Pop
                                                 : box == naturalBalanceBox_ ? BalancesExercise::SaldoNaturale
                                                                             : BalancesExercise::SaldoMigratorio;
    exercise_.reveal(which);
    showVerdicts();
    return exercise_.solution(which);
}

void BalancesScreen::showCounters()
{
    const BalancesExercise::Counters &c = exercise_.counters();
    calculationsRightLabel_->setText(numbers::toText(c.calcGiusti));
    calculationsWrongLabel_->setText(numbers::toText(c.calcSB));
    understandingRightLabel_->setText(numbers::toText(c.compGiusti));
    understandingWrongLabel_->setText(numbers::toText(c.compSB));
}

bool BalancesScreen::record()
{
    const schema::Table &table = schema::esercizi();
    const auto at = [&table](const char *column) { return table.position(QString::fromUtf8(column)); };
    const BalancesExercise::Counters &c = exercise_.counters();
    return module().recordResult(QStringLiteral("esercizi"),
                                 {{at("calcolo Saldi"), c.calcGiusti},
                                  {at("saldiSB"), c.calcSB},
                                  {at("saldi%"), exercise_.saldiPercent()},
                                  {at("data1"), module().platform().clock->now()},
                                  {at("comprensione"), c.compGiusti},
                                  {at("comprensioneSB"), c.compSB},
                                  {at("comprensione%"), exercise_.comprensionePercent()}},
                                 at("data2"));
}

void BalancesScreen::CmdAIUTO_Click()
{
    module().message(helpLines.join(u'\n'));
}

std::unique_ptr<Worksheet> BalancesScreen::makeSheet(int problems)
{
    return std::make_unique<BalancesSheet>(*module().platform().random, *module().platform().clock, problems);
}

} // namespace censaria
