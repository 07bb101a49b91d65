#include "worldpyramidsscreen.h"

#include "screenkit/accessibility.h"
#include "screenkit/builders.h"
#include "screenkit/forms.h"
#include "screenkit/module.h"
#include "screenkit/palette.h"
#include "platform/twips.h"
#include "figurecanvas.h"
#include "populationcontrols.h"
#include "yearplayer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <cmath>

namespace censaria::populations {
namespace {

// Layout in twips on the 12000 x 9000 design page.
constexpr int rowHeight = 420;
constexpr int firstRowTop = 720;
constexpr int secondRowTop = 1200;
const QRect figureBox(120, 1740, 11760, 6240);
constexpr int buttonTop = 8160;
constexpr int buttonHeight = 540;

const QColor screenColour(236, 240, 243);
const QColor buttonColour(31, 110, 130);

} // namespace

WorldPyramidsScreen::WorldPyramidsScreen(Module &module)
    : Screen(module, forms::worldPyramids)
    , player_(new YearPlayer(this))
{
    setWindowTitle(QStringLiteral("Piramidi del mondo"));
    setBackground(screenColour);
    QLabel *title = makeLabel(canvas(), QStringLiteral("Title"), QStringLiteral("Piramidi del mondo"), {120, 120, 5400, 520},
                              Twips::font(16, true));
    setTextColour(title, palette::observe.darker(130));
    QLabel *source = makeLabel(canvas(), QStringLiteral("Source"),
                               QStringLiteral("Dati dell'ONU: fino al 2020 stime, dopo proiezioni fatte nel 2019"), {5640, 120, 6240, 520},
                               Twips::font(9), Qt::AlignRight | Qt::AlignVCenter);
    accessible::describe(source, sourceLine());

    buildSide(0, firstRowTop);
    buildSide(1, secondRowTop);
    second_ = new QCheckBox(QStringLiteral("Seconda piramide"), canvas());
    place(second_, QStringLiteral("SecondPyramid"), {120, secondRowTop, 2000, rowHeight}, Twips::font(10, true));
    second_->setChecked(true);
    setTextColour(second_, sideColour(1).darker(120));
    connect(second_, &QCheckBox::toggled, this, &WorldPyramidsScreen::showSecondPyramid);

    play_ = makeScreenButton(canvas(), QStringLiteral("Play"), playCaption(false),
                             {10500, firstRowTop, 1380, secondRowTop + rowHeight - firstRowTop}, palette::observe.darker(115));
    accessible::name(play_, QStringLiteral("Avvia o ferma il passare degli anni"));
    connect(play_, &QPushButton::clicked, this, &WorldPyramidsScreen::togglePlaying);
    connect(player_, &YearPlayer::advanced, this, &WorldPyramidsScreen::advance);
    connect(player_, &YearPlayer::playingChanged, this, [this](bool playing) { play_->setText(playCaption(playing)); });

    figure_ = new FigureCanvas(canvas(), [this](QPainter &painter, const QRectF &area) {
        if (!view_.sides.isEmpty())
            paintWorldPyramids(painter, area, view_);
    });
    place(figure_, QStringLiteral("Figure"), figureBox, Twips::font(9));
    figure_->offerFullScreen([this] { return figureTitle(); });
    problem_ = makeLabel(canvas(), QStringLiteral("DataProblem"), WorldData::builtIn().problem(), figureBox, Twips::font(12, true),
                         Qt::AlignCenter);
    problem_->setWordWrap(true);
    problem_->setVisible(!WorldData::builtIn().isValid());
    buildButtons();

    showPyramid(0, 380, 1950);
    showPyramid(1, 380, 2020);
    setKeyboardOrder(controls({"Country1", "Year1", "SecondPyramid", "Country2", "Year2", "Play", "UnitChoice", "SaveImage", "Cmdtorno",
                               "Cmdmenù", "Cmdesco"}),
                     sides_[0].slider);
}

void WorldPyramidsScreen::buildSide(int side, int top)
{
    SideControls &c = sides_[side];
    const QString number = QString::number(side + 1);
    const QString which = side == 0 ? QStringLiteral("prima") : QStringLiteral("seconda");
    if (side == 0) {
        QLabel *label = makeLabel(canvas(), QStringLiteral("FirstPyramid"), QStringLiteral("Prima piramide"), {120, top, 2000, rowHeight},
                                  Twips::font(10, true), Qt::AlignLeft | Qt::AlignVCenter);
        setTextColour(label, sideColour(0).darker(120));
    }
    c.country = makeCountryChoice(canvas(), QStringLiteral("Country") + number, {2160, top, 2000, rowHeight},
                                  QStringLiteral("Paese della %1 piramide").arg(which));
    makeLabel(canvas(), QStringLiteral("YearCaption") + number, QStringLiteral("anno"), {4260, top, 620, rowHeight}, Twips::font(10),
              Qt::AlignRight | Qt::AlignVCenter);
    c.slider = makeSlider(canvas(), QStringLiteral("Year") + number, {4980, top, 4200, rowHeight}, firstYear, lastYear, yearStep,
                          QStringLiteral("Anno della %1 piramide").arg(which));
    c.year = makeLabel(canvas(), QStringLiteral("YearValue") + number, QString(), {9300, top, 1080, rowHeight}, Twips::font(13, true),
                       Qt::AlignCenter);
    setTextColour(c.year, sideColour(side).darker(120));
    accessible::describe(c.year, QStringLiteral("Anno della %1 piramide").arg(which));

    connect(c.country, &QComboBox::currentIndexChanged, this,
            [this, side] { showPyramid(side, sides_[side].country->currentData().toInt(), sides_[side].exactYear); });
    connect(c.slider, &QSlider::valueChanged, this, [this, side](int year) {
        // A year typed or dragged; while playing, the slider only follows.
        if (std::floor(sides_[side].exactYear + 1e-9) != year)
            showPyramid(side, sides_[side].country->currentData().toInt(), year);
    });
    connect(c.slider, &QSlider::actionTriggered, player_, &YearPlayer::pause);
}

void WorldPyramidsScreen::buildButtons()
{
    unit_ = makeUnitChoice(canvas(), {120, buttonTop, 2500, buttonHeight});
    connect(unit_, &QComboBox::currentIndexChanged, this, [this](int index) {
        view_.unit = index == 1 ? PyramidUnit::Percent : PyramidUnit::Thousands;
        refresh();
    });
    QPushButton *save = makeScreenButton(canvas(), QStringLiteral("SaveImage"), QStringLiteral("Salva l'immagine"),
                                         {2760, buttonTop, 2400, buttonHeight}, buttonColour);
    connect(save, &QPushButton::clicked, this, &WorldPyramidsScreen::saveImage);
    connect(makeScreenButton(canvas(), QStringLiteral("Cmdtorno"), QStringLiteral("Torno"), {7800, buttonTop, 1260, buttonHeight}, buttonColour),
            &QPushButton::clicked, this, &WorldPyramidsScreen::escape);
    connect(makeScreenButton(canvas(), QStringLiteral("Cmdmenù"), QStringLiteral("Menù"), {9200, buttonTop, 1260, buttonHeight}, buttonColour),
            &QPushButton::clicked, this, [this] {
                player_->pause();
                goToMenu();
            });
    connect(makeScreenButton(canvas(), QStringLiteral("Cmdesco"), QStringLiteral("Esco"), {10620, buttonTop, 1260, buttonHeight}, palette::exit),
            &QPushButton::clicked, this, &WorldPyramidsScreen::exitProgram);
}

void WorldPyramidsScreen::escape()
{
    player_->pause();
    goBack();
}

void WorldPyramidsScreen::showPyramid(int side, int countryCode, double year)
{
    const Country *country = WorldData::builtIn().country(countryCode);
    if (!country)
        return;
    SideControls &c = sides_[side];
    c.exactYear = std::clamp(year, double(firstYear), double(lastYear));
    const QSignalBlocker blockCountry(c.country), blockSlider(c.slider);
    c.country->setCurrentIndex(c.country->findData(countryCode));
    c.slider->setValue(int(std::floor(c.exactYear + 1e-9)));
    refresh();
}

void WorldPyramidsScreen::showSecondPyramid(bool shown)
{
    const QSignalBlocker block(second_);
    second_->setChecked(shown);
    for (QWidget *control :
         {static_cast<QWidget *>(sides_[1].country), static_cast<QWidget *>(sides_[1].slider), static_cast<QWidget *>(sides_[1].year)})
        control->setEnabled(shown);
    refresh();
}

void WorldPyramidsScreen::advance(double years)
{
    const int shown = second_->isChecked() ? 2 : 1;
    double latest = 0;
    for (int s = 0; s < shown; ++s)
        latest = std::max(latest, sides_[s].exactYear);
    // The years move together until the later one reaches 2100.
    const double step = std::min(years, lastYear - latest);
    for (int s = 0; s < shown; ++s)
        showPyramid(s, sides_[s].country->currentData().toInt(), sides_[s].exactYear + step);
    if (latest + step >= lastYear)
        player_->pause();
}

void WorldPyramidsScreen::togglePlaying()
{
    if (!player_->isPlaying()) {
        // From the end, the years start again from the beginning, keeping their distance.
        const int shown = second_->isChecked() ? 2 : 1;
        double earliest = lastYear, latest = firstYear;
        for (int s = 0; s < shown; ++s) {
            earliest = std::min(earliest, sides_[s].exactYear);
            latest = std::max(latest, sides_[s].exactYear);
        }
        if (latest >= lastYear)
            for (int s = 0; s < shown; ++s)
                showPyramid(s, sides_[s].country->currentData().toInt(), sides_[s].exactYear - (earliest - firstYear));
    }
    player_->toggle();
}

void WorldPyramidsScreen::refresh()
{
    view_.sides.clear();
    const int shown = second_ && second_->isChecked() ? 2 : 1;
    for (int s = 0; s < shown; ++s) {
        const Country *country = WorldData::builtIn().country(sides_[s].country->currentData().toInt());
        if (country)
            view_.sides.append({country, sides_[s].exactYear});
    }
    for (int s = 0; s < 2; ++s)
        sides_[s].year->setText(QString::number(sides_[s].slider->value()));
    if (figure_) {
        figure_->update();
        accessible::name(figure_, QStringLiteral("Piramidi della popolazione"), describeWorldPyramids(view_));
    }
}

QString WorldPyramidsScreen::figureTitle() const
{
    QStringList shown;
    for (const WorldPyramidsView::Side &side : view_.sides)
        shown << QStringLiteral("%1 %2").arg(side.country->name).arg(int(std::floor(side.year + 1e-9)));
    return QStringLiteral("Piramidi del mondo: ") + shown.join(QStringLiteral(", "));
}

void WorldPyramidsScreen::saveImage()
{
    if (view_.sides.isEmpty())
        return;
    QStringList parts;
    for (const WorldPyramidsView::Side &side : view_.sides)
        parts << QStringLiteral("%1-%2").arg(side.country->name.toLower()).arg(int(std::floor(side.year + 1e-9)));
    figure_->saveImage(module(), QStringLiteral("Piramidi del mondo"), QStringLiteral("piramidi-") + parts.join(u'-'));
}

} // namespace censaria::populations
