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

} // namespace

WorldPyramidsScreen::WorldPyramidsScreen(Module &module)
    : PopulationScreen(module, forms::worldPyramids, QStringLiteral("Piramidi del mondo"), 5400)
{
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

    buildPlayButton({10500, firstRowTop, 1380, secondRowTop + rowHeight - firstRowTop});
    buildFigure(
        figureBox,
        [this](QPainter &painter, const QRectF &area) {
            if (!view_.sides.isEmpty())
                paintWorldPyramids(painter, area, view_);
        },
        [this] { return figureTitle(); });
    problem_ = makeLabel(canvas(), QStringLiteral("DataProblem"), WorldData::builtIn().problem(), figureBox, Twips::font(12, true),
                         Qt::AlignCenter);
    problem_->setWordWrap(true);
    problem_->setVisible(!WorldData::builtIn().isValid());
    buildFootButtons();

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
    connect(c.slider, &QSlider::actionTriggered, player(), &YearPlayer::pause);
}

void WorldPyramidsScreen::unitChosen(PyramidUnit unit)
{
    view_.unit = unit;
    refresh();
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
        player()->pause();
}

void WorldPyramidsScreen::togglePlaying()
{
    if (!player()->isPlaying()) {
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
    player()->toggle();
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
    if (figure()) {
        figure()->update();
        accessible::name(figure(), QStringLiteral("Piramidi della popolazione"), describeWorldPyramids(view_));
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
    figure()->saveImage(module(), QStringLiteral("Piramidi del mondo"), QStringLiteral("piramidi-") + parts.join(u'-'));
}

} // namespace censaria::populations
