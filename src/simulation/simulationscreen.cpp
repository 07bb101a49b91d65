#include "simulationscreen.h"

#include "screenkit/accessibility.h"
#include "screenkit/builders.h"
#include "screenkit/documentoutput.h"
#include "screenkit/figureview.h"
#include "screenkit/verdict.h"
#include "screenkit/forms.h"
#include "screenkit/module.h"
#include "screenkit/palette.h"
#include "growthgraph.h"
#include "simulationsheet.h"
#include "platform/numbers.h"
#include "platform/twips.h"
#include "platform/wording.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <array>
#include <limits>

namespace censaria {
namespace {

const QColor background(232, 241, 238);
const QColor navigationColour(70, 88, 110);
const QColor disabledGrey(169, 179, 189);

const QString variationCaption = QStringLiteral("Variazione rispetto al          = ");
const QString variationLead = QStringLiteral("Variazione rispetto al ");
const QString graphTitle = QStringLiteral("Grafico dell'andamento demografico");

QFrame *panel(QWidget *parent, const QRect &twips)
{
    return makeFrame(parent, QStringLiteral("panel"), twips,
                     QStringLiteral("QFrame#panel { background: white; border: 1px solid #9fbdb4; border-radius: %1px; }").arg(Twips::px(90)));
}

} // namespace

SimulationScreen::SimulationScreen(Module &module)
    : Screen(module, forms::simulation)
{
    setWindowTitle(QStringLiteral("SIMULAZIONE di eventi demografici"));
    setBackground(background);
    buildInputs();
    buildResults();
    buildScenario();
    buildButtons();

    graph_ = new GrowthGraph(canvas());
    graph_->setObjectName(QStringLiteral("Graph1"));
    graph_->setGeometry(Twips::rect(4300, 3350, 7500, 5550));
    graph_->setTitle(graphTitle);
    offerFullScreen(
        graph_, [] { return graphTitle; },
        [this](QPainter &painter, const QRectF &area) {
            paintGrowthGraph(painter, area, graphTitle, simulation_.isRunning() ? simulation_.shownSeries() : QList<qint32>(),
                             simulation_.graphScale());
        });
    // On paper: the graph with the table of its years, in the graph's free top left corner.
    print_ = makeButton(canvas(), QStringLiteral("printButton"), QStringLiteral("Stampa"), {4380, 3420, 1100, 360},
                        filledLook(palette::operate, 8.5, disabledGrey), this, &SimulationScreen::printGraph);
    accessible::describe(print_, QStringLiteral("Stampa il grafico con la tabella dei dati, anno per anno"));
    print_->setToolTip(print_->accessibleDescription());
    print_->setEnabled(false);

    connect(startYear_, &QLineEdit::textChanged, this, &SimulationScreen::startYearChanged);
    connect(initialPopulation_, &QLineEdit::textChanged, this, &SimulationScreen::initialPopulationChanged);

    // The graph is only looked at.
    graph_->setFocusPolicy(Qt::NoFocus);
    graph_->viewport()->setFocusPolicy(Qt::NoFocus);
    describeGraph();
    // Enter in a box computes the year, as the button does.
    submitOnEnter({startYear_, initialPopulation_, birthRate_, deathRate_}, calculate_);
    setKeyboardOrder(controls({"Text1", "txtpopiniziale", "txtnatal", "Txtmortal", "cmdcalcola", "CmdNUOVO", "printButton", "Cmdesercitazione",
                               "Cmdtorno", "Cmdmenù", "Cmdesco"}),
                     startYear_);
}

void SimulationScreen::buildInputs()
{
    QFrame *frame = panel(canvas(), {200, 150, 6700, 3000});
    QLabel *caption = makeLabel(frame, QStringLiteral("dataCaption"),
                                QStringLiteral("INSERISCI I DATI poi clicca su 'Calcola andamento'. Puoi modificare i tassi quando vuoi"),
                                {150, 80, 6400, 520}, Twips::font(9, true));
    caption->setWordWrap(true);
    caption->setStyleSheet(QStringLiteral("color: #14594b;"));

    startYear_ = addInput(frame, "Text1", QStringLiteral("Inserisci l'anno   ----------> "), 0, false);
    initialPopulation_ = addInput(frame, "txtpopiniziale", QStringLiteral("Inserisci la quantità di popolazione"), 1, false);
    birthRate_ = addInput(frame, "txtnatal", QStringLiteral("Inserisci il tasso di natalità (per mille)"), 2, true);
    deathRate_ = addInput(frame, "Txtmortal", QStringLiteral("Inserisci il tasso di mortalità (per mille)"), 3, true);

    calculate_ = makeButton(frame, QStringLiteral("cmdcalcola"), QStringLiteral("Calcola andamento"), {150, 2460, 3600, 440},
                            filledLook(palette::observe, 10, disabledGrey), this, &SimulationScreen::calculateYear);
    makeButton(frame, QStringLiteral("CmdNUOVO"), QStringLiteral("Nuova situazione"), {3900, 2460, 2650, 440},
               filledLook(palette::study, 9.5, disabledGrey), this, &SimulationScreen::newSituation);
}

QLineEdit *SimulationScreen::addInput(QWidget *frame, const char *name, const QString &prompt, int row, bool rateHint)
{
    const int top = 700 + row * 440;
    const PromptedBox made = makePromptedBox(frame, QString::fromUtf8(name), prompt, {150, top, 5600, 380}, Twips::font(9),
                                             Twips::font(10, true), 4200);
    made.prompt->setStyleSheet(QStringLiteral("color: #1e2d3c;"));
    QLineEdit *box = made.box;
    accessible::name(box, accessible::fromCaption(prompt), rateHint ? QStringLiteral("da 5 a 50") : QString());
    // A locked box keeps its text but shows that it can no longer be changed.
    box->setStyleSheet(QStringLiteral("QLineEdit { background: #fffdf4; color: #1e2d3c; border: 1px solid #7f9c94; padding: 0 3px; }"
                                      "QLineEdit[readOnly=\"true\"] { background: #e3e8ea; color: #4a5560; }"));
    if (rateHint) {
        makeLabel(frame, QString(), QStringLiteral("( 5 - 50) "), {5800, top, 800, 380}, Twips::font(8.5))
            ->setStyleSheet(QStringLiteral("color: #5a6a78;"));
    }
    return box;
}

void SimulationScreen::buildResults()
{
    QFrame *frame = panel(canvas(), {7100, 150, 4700, 3000});
    year_ = addResult(frame, "labanno", QStringLiteral("ANNO: "), 0);
    births_ = addResult(frame, "Labnati", QStringLiteral("Nati = "), 1);
    deaths_ = addResult(frame, "Labmorti", QStringLiteral("Morti = "), 2);
    balance_ = addResult(frame, "labincranno", QStringLiteral("Saldo naturale = "), 3);
    variation_ = addResult(frame, "Labincr1998", variationCaption, 4);
    population_ = addResult(frame, "labrisult", QStringLiteral("POPOLAZIONE: "), 5);

    // The start year sits in the blank gap of the variation caption.
    const QRect caption = Twips::rect(150, 120 + 4 * 460, 3000, 420);
    variationYear_ = new QLabel(frame);
    variationYear_->setObjectName(QStringLiteral("Label12"));
    variationYear_->setFont(Twips::font(9.5));
    variationYear_->setStyleSheet(QStringLiteral("color: #14594b;"));
    const QFontMetrics metrics(Twips::font(9.5));
    const int gapLeft = metrics.horizontalAdvance(variationLead);
    const int gapWidth = metrics.horizontalAdvance(variationCaption) - gapLeft - metrics.horizontalAdvance(QStringLiteral("= "));
    variationYear_->setGeometry(caption.left() + gapLeft, caption.top(), gapWidth, caption.height());
    variationYear_->setAlignment(Qt::AlignCenter);

    setResultTypes();
}

void SimulationScreen::setResultTypes()
{
    for (QLabel *value : {births_, deaths_, balance_, variation_})
        value->setFont(Twips::font(11, true));
    for (QLabel *emphasised : {year_, population_})
        emphasised->setFont(Twips::font(12, true));
}

QLabel *SimulationScreen::addResult(QWidget *panel, const char *name, const QString &caption, int row)
{
    const int top = 120 + row * 460;
    // Numbers in groups of three need room: every value but the variation, whose caption is
    // long, starts where the short captions end, even in the largest type.
    const int valueLeft = caption == variationCaption ? 3150 : 2500;
    constexpr int valueRight = 4570;
    makeLabel(panel, QString(), caption, {150, top, valueLeft - 150, 420}, Twips::font(9.5, row == 0 || row == 5))
        ->setStyleSheet(QStringLiteral("color: #1e2d3c;"));
    QLabel *value = makeResultLabel(panel, QString::fromUtf8(name), {valueLeft, top, valueRight - valueLeft, 420}, 11,
                                    Qt::AlignRight | Qt::AlignVCenter);
    accessible::describe(value, accessible::fromCaption(caption));
    value->setStyleSheet(QStringLiteral("color: #14594b;"));
    return value;
}

void SimulationScreen::buildScenario()
{
    QLabel *scenario = makeLabel(canvas(), QStringLiteral("Label13"), QString(), {200, 3350, 3900, 4150}, Twips::font(9.5),
                                 Qt::AlignLeft | Qt::AlignTop);
    scenario->setWordWrap(true);
    scenario->setStyleSheet(
        QStringLiteral("QLabel { background: #fff8d8; color: #2b2b2b; border: 1px solid #d8c27a; padding: %1px; }").arg(Twips::px(90)));
    // Algeria: the population of mid-1997 between the United Nations' estimates for 1995
    // and 2000, and their birth and death rates of 1995-2000. No-break spaces keep each
    // number on one line.
    scenario->setText(
        QStringList{QStringLiteral("PROVA A SIMULARE queste TRE diverse situazioni:"),
                    QStringLiteral("1. ITALIA 2000: pop.: 57\u00a0600\u00a0000; T. di Natalità: 9,4/1000; T. di Mortalità: 9,7/1000"),
                    QStringLiteral("2. ALGERIA 1997: pop. = 29\u00a0650\u00a0000; T. di Natalità: 21,6/1000; T. di Mortalità: 5,3/1000"),
                    QStringLiteral("3. Regione europea 1640: pop. = 1\u00a0500\u00a0000; T. di Natalità: 31/1000; T. di Mortalità: 27/1000. "
                                   "Quando arrivi al 1649, inserisci una CRISI di MORTALITÀ per UN anno SOLO (T. di Mortalità = 135/1000), "
                                   "poi torna a 27/1000."),
                    QStringLiteral("Osserva cosa succede nelle tre situazioni, poi vai al questionario."),
                    QStringLiteral("Fonti: ISTAT (Italia); ONU, World Population Prospects 2019 (Algeria, tassi medi 1995-2000). "
                                   "La regione europea è un esempio.")}
            .join(QStringLiteral("\r\n")));
}

void SimulationScreen::buildButtons()
{
    const auto add = [this](const char *name, const char *caption, const QRect &twips, const QColor &colour,
                            void (SimulationScreen::*action)()) {
        makeButton(canvas(), QString::fromUtf8(name), QString::fromUtf8(caption), twips, filledLook(colour, 9.5, disabledGrey), this, action);
    };
    add("Cmdesercitazione", "Esercitazione", {200, 7650, 3900, 550}, palette::operate, &SimulationScreen::openExercise);
    add("Cmdtorno", "Torno", {200, 8350, 1230, 550}, navigationColour, &SimulationScreen::goBack);
    add("Cmdmenù", "Menù", {1535, 8350, 1230, 550}, navigationColour, &SimulationScreen::goToMenu);
    add("Cmdesco", "Esco", {2870, 8350, 1230, 550}, palette::exit, &SimulationScreen::exitProgram);
}

void SimulationScreen::startYearChanged()
{
    simulation_.setStartYearText(startYear_->text());
    variationYear_->setText(startYear_->text());
}

void SimulationScreen::initialPopulationChanged()
{
    simulation_.setInitialPopulationText(initialPopulation_->text());
}

void SimulationScreen::calculateYear()
{
    const SimulationInputs inputs{startYear_->text(), initialPopulation_->text(), birthRate_->text(), deathRate_->text()};
    const YearOutcome outcome = simulation_.computeYear(inputs);
    if (outcome == YearOutcome::MissingData) {
        missingDataMessage(inputs.missing());
        return;
    }
    if (outcome != YearOutcome::Computed) {
        module().message(outcomeMessage(outcome));
        if (outcome == YearOutcome::HundredthYear)
            calculate_->setEnabled(false);
        else if (QLineEdit *box = boxToCorrect(outcome))
            box->setFocus();
        return;
    }
    lockStartData(simulation_.isRunning());
    showYear();
    graph_->draw(simulation_.shownSeries(), simulation_.graphScale());
    print_->setEnabled(true);
    describeGraph();
}

// The message names the empty boxes, and the first of them takes the keyboard.
void SimulationScreen::missingDataMessage(const QList<SimulationInputs::Box> &missing)
{
    const std::array<std::pair<QLineEdit *, QString>, 4> boxes{{{startYear_, QStringLiteral("l'anno")},
                                                                {initialPopulation_, QStringLiteral("la quantità di popolazione")},
                                                                {birthRate_, QStringLiteral("il tasso di natalità")},
                                                                {deathRate_, QStringLiteral("il tasso di mortalità")}}};
    QStringList names;
    for (SimulationInputs::Box box : missing)
        names << boxes[box].second;
    module().message(QStringLiteral("Attenzione, non hai fornito tutti i dati!\n%1 %2.")
                         .arg(names.size() == 1 ? QStringLiteral("Manca") : QStringLiteral("Mancano"), wording::listed(names)));
    boxes[missing.first()].first->setFocus();
}

void SimulationScreen::printGraph()
{
    DocumentOutput(module(), QStringLiteral("Stampa"), QStringLiteral("il grafico con la tabella"))
        .printOrSave(SimulationSheet(simulation_), QStringLiteral("simulazione"));
}

// The graph in words: the first and the last year with their populations.
void SimulationScreen::describeGraph()
{
    const QList<qint32> series = simulation_.shownSeries();
    const QString &name = graphTitle;
    if (series.size() < 2) {
        accessible::name(graph_, name, QStringLiteral("Vuoto: inserisci i dati e premi Calcola andamento"));
        return;
    }
    const GraphScale scale = simulation_.graphScale();
    accessible::name(graph_, name,
                     QStringLiteral("Dall'anno %1 all'anno %2 la popolazione passa da %3 a %4 abitanti (%5).")
                         .arg(scale.firstYear)
                         .arg(scale.firstYear + series.size() - 1)
                         .arg(numbers::groupedText(series.first()), numbers::groupedText(series.last()),
                              computedYearsText(int(series.size()) - 1)));
}

void SimulationScreen::showYear()
{
    const ComputedYear &y = simulation_.lastYear();
    // Populations in groups of three digits, as the graph's axis and the scenario write them.
    year_->setText(numbers::toText(y.year));
    births_->setText(numbers::groupedText(y.births));
    deaths_->setText(numbers::groupedText(y.deaths));
    balance_->setText(numbers::groupedText(y.balance));
    population_->setText(numbers::groupedText(y.population));
    variation_->setText(numbers::groupedText(y.variation));
    // A figure too long for its place takes a smaller type for as long as it is shown.
    setResultTypes();
    fitTextsAgain();
}

void SimulationScreen::newSituation()
{
    calculate_->setEnabled(true);
    for (QLabel *label : {births_, deaths_, variation_, balance_})
        label->clear();
    // Clearing the boxes runs their change events, which clear the simulation's figures.
    for (QLineEdit *box : {birthRate_, deathRate_, initialPopulation_, startYear_})
        box->clear();
    year_->clear();
    population_->clear();
    graph_->clearData();
    print_->setEnabled(false);
    simulation_.reset();
    describeGraph();
    lockStartData(simulation_.isRunning());
    startYear_->setFocus();
}

void SimulationScreen::openExercise()
{
    module().chiamante = forms::simulation;
    module().navigation().show(forms::rates);
}

void SimulationScreen::lockStartData(bool locked)
{
    for (QLineEdit *box : {startYear_, initialPopulation_}) {
        box->setReadOnly(locked);
        // The grey says it to the eye; the words say it to everyone.
        accessible::describe(box, locked ? QStringLiteral("bloccato fino a Nuova situazione") : QString());
        showBadge(box, locked ? QStringLiteral("bloccato") : QString());
        // The style depends on the read-only state: polish again so the colour follows.
        box->style()->unpolish(box);
        box->style()->polish(box);
    }
}

QLineEdit *SimulationScreen::boxToCorrect(YearOutcome outcome) const
{
    switch (outcome) {
    case YearOutcome::PopulationNotPositive:
    case YearOutcome::PopulationOutOfRange: return initialPopulation_;
    case YearOutcome::BirthRateOutOfRange: return birthRate_;
    case YearOutcome::DeathRateOutOfRange: return deathRate_;
    case YearOutcome::StartYearOutOfRange: return startYear_;
    default: return nullptr;
    }
}

QString SimulationScreen::outcomeMessage(YearOutcome outcome) const
{
    const QString again = QStringLiteral("Correggi il dato e poi clicca di nuovo su 'Calcola andamento'.");
    switch (outcome) {
    case YearOutcome::HundredthYear:
        return QStringLiteral("Questo è il centesimo anno. Non si può andare oltre. Non ti resta che ricominciare con una NUOVA SITUAZIONE");
    case YearOutcome::PopulationNotPositive: return QStringLiteral("La quantità di popolazione deve essere maggiore di zero. ") + again;
    case YearOutcome::BirthRateOutOfRange: return QStringLiteral("Il tasso di natalità deve essere compreso tra 0 e 1000 per mille. ") + again;
    case YearOutcome::DeathRateOutOfRange: return QStringLiteral("Il tasso di mortalità deve essere compreso tra 0 e 1000 per mille. ") + again;
    case YearOutcome::StartYearOutOfRange:
        return QStringLiteral("L'anno deve essere compreso tra %1 e %2. ")
                   .arg(std::numeric_limits<qint16>::min())
                   .arg(std::numeric_limits<qint16>::max())
               + again;
    case YearOutcome::LastYearReached:
        return QStringLiteral("L'anno %1 è l'ultimo che il programma sa contare. Non si può andare oltre. "
                              "Non ti resta che ricominciare con una NUOVA SITUAZIONE")
            .arg(std::numeric_limits<qint16>::max());
    case YearOutcome::PopulationOutOfRange:
        return QStringLiteral("La quantità di popolazione non può superare %1 abitanti. ")
                   .arg(numbers::groupedText(std::numeric_limits<qint32>::max()))
               + again;
    case YearOutcome::GrowthOutOfRange:
        return QStringLiteral("Con questi tassi la popolazione dell'anno successivo supererebbe i limiti del programma "
                              "(al massimo %1 abitanti): l'anno non è stato calcolato. "
                              "Cambia i tassi oppure ricomincia con una NUOVA SITUAZIONE.")
            .arg(numbers::groupedText(std::numeric_limits<qint32>::max()));
    case YearOutcome::MissingData: // names the boxes: missingDataMessage
    case YearOutcome::Computed: break;
    }
    return QString();
}

} // namespace censaria
