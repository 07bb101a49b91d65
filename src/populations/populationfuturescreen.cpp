#include "populationfuturescreen.h"

#include "screenkit/accessibility.h"
#include "screenkit/builders.h"
#include "screenkit/forms.h"
#include "screenkit/module.h"
#include "screenkit/palette.h"
#include "platform/numbers.h"
#include "platform/twips.h"
#include "figurecanvas.h"
#include "populationcontrols.h"
#include "worldpyramidsfigure.h"
#include "yearplayer.h"

#include <QComboBox>
#include <QLocale>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <cmath>

namespace censaria::populations {
namespace {

// Layout in twips on the 12000 x 9000 design page.
constexpr int leverTop = 760;
constexpr int leverWidth = 3800;
constexpr int messageTop = 1840;
constexpr int yearTop = 2260;
const QRect figureBox(120, 2780, 11760, 5280);

const QColor hintColour(70, 80, 90);
const QColor refusalColour(170, 20, 20);

// Children per woman and life expectancy move in tenths and whole years.
constexpr int childrenTenths = 10;

QString oneDecimal(double value)
{
    return numbers::groupedText(value, 1);
}

const QString hint = QStringLiteral(
    "Muovi le leve: la piramide di sinistra segue le tue ipotesi, quella di destra è la variante media dell'ONU.");

} // namespace

PopulationFutureScreen::PopulationFutureScreen(Module &module)
    : PopulationScreen(module, forms::populationFuture, QStringLiteral("Il futuro della popolazione"), 5600)
{
    makeLabel(canvas(), QStringLiteral("CountryCaption"), QStringLiteral("Paese"), {5800, 120, 900, 520}, Twips::font(10),
              Qt::AlignRight | Qt::AlignVCenter);
    country_ = makeCountryChoice(canvas(), QStringLiteral("Country"), {6800, 160, 2200, 440}, QStringLiteral("Paese"));
    connect(country_, &QComboBox::currentIndexChanged, this, [this] { showCountry(country_->currentData().toInt()); });
    QPushButton *reset = makeScreenButton(canvas(), QStringLiteral("AsTheUn"), QStringLiteral("Ipotesi dell'ONU"), {9200, 160, 2680, 440},
                                          palette::observe.darker(115));
    accessible::describe(reset, QStringLiteral("Rimette le tre leve come le ha previste l'ONU"));
    connect(reset, &QPushButton::clicked, this, [this] { setLevers({}); });

    children_ = buildLever(QStringLiteral("Children"), QStringLiteral("Figli per donna"), 120, QStringLiteral("Figli per donna"));
    children_.slider->setRange(qRound(fewestChildren * childrenTenths), qRound(mostChildren * childrenTenths));
    lifeExpectancy_ = buildLever(QStringLiteral("LifeExpectancy"), QStringLiteral("Speranza di vita alla nascita"), 120 + leverWidth + 180,
                                 QStringLiteral("Anni di speranza di vita in più o in meno rispetto all'ONU"));
    lifeExpectancy_.slider->setRange(-qRound(largestLifeExpectancyChange), qRound(largestLifeExpectancyChange));
    migrants_ = buildLever(QStringLiteral("Migrants"), QStringLiteral("Saldo migratorio all'anno"), 120 + 2 * (leverWidth + 180),
                           QStringLiteral("Saldo migratorio all'anno, in migliaia di persone"));
    migrants_.slider->setPageStep(50);

    message_ = makeLabel(canvas(), QStringLiteral("Message"), hint, {120, messageTop, 11760, 400}, Twips::font(9, true),
                         Qt::AlignLeft | Qt::AlignVCenter);
    message_->setWordWrap(true);
    accessible::name(message_, QStringLiteral("Messaggio"), hint);

    makeLabel(canvas(), QStringLiteral("YearCaption"), QStringLiteral("Anno"), {120, yearTop, 800, 420}, Twips::font(10, true),
              Qt::AlignLeft | Qt::AlignVCenter);
    year_ = makeSlider(canvas(), QStringLiteral("Year"), {960, yearTop, 7800, 420}, lastEstimateYear, lastYear, yearStep,
                       QStringLiteral("Anno"));
    yearValue_ = makeLabel(canvas(), QStringLiteral("YearValue"), QString(), {8900, yearTop, 1200, 420}, Twips::font(13, true), Qt::AlignCenter);
    connect(year_, &QSlider::valueChanged, this, [this](int year) {
        if (std::floor(view_.year + 1e-9) != year)
            showYear(year);
    });
    connect(year_, &QSlider::actionTriggered, player(), &YearPlayer::pause);
    buildPlayButton({10260, yearTop - 40, 1620, 500});

    buildFigure(
        figureBox,
        [this](QPainter &painter, const QRectF &area) {
            if (view_.country && view_.projection)
                paintPopulationFuture(painter, area, view_);
        },
        [this] {
            const QString title = QStringLiteral("Il futuro della popolazione");
            return view_.country ? QStringLiteral("%1: %2, %3").arg(title, view_.country->name).arg(year_->value()) : title;
        });
    buildFootButtons();

    if (WorldData::builtIn().isValid())
        showCountry(380);
    else
        message_->setText(WorldData::builtIn().problem());
    setKeyboardOrder(controls({"Country", "AsTheUn", "Children", "LifeExpectancy", "Migrants", "Year", "Play", "UnitChoice", "SaveImage",
                               "Cmdtorno", "Cmdmenù", "Cmdesco"}),
                     children_.slider);
}

PopulationFutureScreen::Lever PopulationFutureScreen::buildLever(const QString &name, const QString &caption, int left,
                                                                 const QString &accessibleName)
{
    Lever lever;
    lever.caption = makeLabel(canvas(), name + QStringLiteral("Caption"), caption, {left, leverTop, leverWidth, 320}, Twips::font(10, true));
    lever.slider = makeSlider(canvas(), name, {left, leverTop + 340, leverWidth, 400}, 0, 1, 1, accessibleName);
    lever.value = makeLabel(canvas(), name + QStringLiteral("Value"), QString(), {left, leverTop + 760, leverWidth, 300}, Twips::font(9),
                            Qt::AlignLeft | Qt::AlignVCenter);
    accessible::describe(lever.value, caption);
    connect(lever.slider, &QSlider::valueChanged, this, &PopulationFutureScreen::leverMoved);
    return lever;
}

void PopulationFutureScreen::unitChosen(PyramidUnit unit)
{
    view_.unit = unit;
    refresh();
}

void PopulationFutureScreen::showCountry(int code)
{
    const Country *country = WorldData::builtIn().country(code);
    if (!country)
        return;
    player()->pause();
    view_.country = country;
    {
        const QSignalBlocker block(country_);
        country_->setCurrentIndex(country_->findData(code));
    }
    const MigrantRange range = migrantRange(*country);
    {
        const QSignalBlocker block(migrants_.slider);
        migrants_.slider->setRange(qRound(range.lowest / 1000), qRound(range.highest / 1000));
    }
    view_.year = lastEstimateYear;
    setLevers({});
}

bool PopulationFutureScreen::setLevers(const Levers &levers)
{
    if (!view_.country)
        return false;
    Projection projection = project(*view_.country, levers);
    if (!projection.isValid()) {
        message_->setText(projection.problem);
        setTextColour(message_, refusalColour);
        accessible::describe(message_, projection.problem);
        showLevers(); // back to the last levers that could be used
        return false;
    }
    projection_ = std::move(projection);
    view_.levers = levers;
    view_.projection = &projection_;
    message_->setText(hint);
    setTextColour(message_, hintColour);
    accessible::describe(message_, hint);
    showLevers();
    refresh();
    return true;
}

void PopulationFutureScreen::showLevers()
{
    const Country &c = *view_.country;
    const Levers &l = view_.levers;
    children_.caption->setText(
        QStringLiteral("Figli per donna (nel 2015-2020: %1)").arg(numbers::groupedText(c.pastChildrenPerWoman.back(), 2)));
    const QSignalBlocker a(children_.slider), b(lifeExpectancy_.slider), d(migrants_.slider);
    children_.slider->setValue(qRound(l.childrenPerWoman.value_or(c.assumptions[0].childrenPerWoman) * childrenTenths));
    children_.value->setText(l.childrenPerWoman ? QStringLiteral("%1 figli per donna").arg(oneDecimal(*l.childrenPerWoman))
                                                : QStringLiteral("come l'ONU: da %1 (2020) a %2 (2100)")
                                                      .arg(oneDecimal(c.assumptions[0].childrenPerWoman),
                                                           oneDecimal(c.assumptions[projectionPeriods - 1].childrenPerWoman)));
    lifeExpectancy_.slider->setValue(qRound(l.lifeExpectancyChange));
    lifeExpectancy_.value->setText(l.lifeExpectancyChange != 0
                                       ? QStringLiteral("%1%2 anni rispetto all'ONU")
                                             .arg(l.lifeExpectancyChange > 0 ? QStringLiteral("+") : QString())
                                             .arg(qRound(l.lifeExpectancyChange))
                                       : QStringLiteral("come l'ONU: maschi %1 anni, femmine %2")
                                             .arg(oneDecimal(lifeExpectancy(c, 0, Sex::Male)), oneDecimal(lifeExpectancy(c, 0, Sex::Female))));
    const double unMigrants = c.assumptions[0].netMigrants * 1000 / yearStep;
    migrants_.slider->setValue(qRound(l.netMigrantsPerYear.value_or(unMigrants) / 1000));
    migrants_.value->setText(
        l.netMigrantsPerYear ? QStringLiteral("%1 persone all'anno").arg(numbers::groupedText(qint64(std::llround(*l.netMigrantsPerYear))))
                             : QStringLiteral("come l'ONU: %1 persone all'anno").arg(numbers::groupedText(qint64(std::llround(unMigrants)))));
}

void PopulationFutureScreen::leverMoved()
{
    Levers levers = view_.levers;
    const QObject *moved = sender();
    if (moved == children_.slider)
        levers.childrenPerWoman = double(children_.slider->value()) / childrenTenths;
    else if (moved == lifeExpectancy_.slider)
        levers.lifeExpectancyChange = lifeExpectancy_.slider->value();
    else if (moved == migrants_.slider)
        levers.netMigrantsPerYear = migrants_.slider->value() * 1000.0;
    setLevers(levers);
}

void PopulationFutureScreen::showYear(double year)
{
    view_.year = std::clamp(year, double(lastEstimateYear), double(lastYear));
    const QSignalBlocker block(year_);
    year_->setValue(int(std::floor(view_.year + 1e-9)));
    refresh();
}

void PopulationFutureScreen::advance(double years)
{
    showYear(view_.year + years);
    if (view_.year >= lastYear)
        player()->pause();
}

void PopulationFutureScreen::togglePlaying()
{
    if (!player()->isPlaying() && view_.year >= lastYear)
        showYear(lastEstimateYear);
    player()->toggle();
}

void PopulationFutureScreen::refresh()
{
    yearValue_->setText(QString::number(year_->value()));
    accessible::describe(yearValue_, QStringLiteral("Anno mostrato"));
    if (view_.country && view_.projection)
        accessible::name(figure(), QStringLiteral("Piramide con le tue ipotesi e piramide dell'ONU"), describePopulationFuture(view_));
    figure()->update();
}

void PopulationFutureScreen::saveImage()
{
    if (!view_.country || !view_.projection)
        return;
    figure()->saveImage(module(), QStringLiteral("Il futuro della popolazione"),
                        QStringLiteral("futuro-%1-%2").arg(view_.country->name.toLower()).arg(year_->value()));
}

} // namespace censaria::populations
