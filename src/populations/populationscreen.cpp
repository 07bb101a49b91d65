#include "populationscreen.h"

#include "screenkit/accessibility.h"
#include "screenkit/builders.h"
#include "screenkit/palette.h"
#include "platform/twips.h"
#include "figurecanvas.h"
#include "populationcontrols.h"
#include "yearplayer.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace censaria::populations {
namespace {

constexpr int footTop = 8160;
constexpr int footHeight = 540;
const QColor screenColour(236, 240, 243);
const QColor footColour(31, 110, 130);

} // namespace

PopulationScreen::PopulationScreen(Module &module, const QString &formName, const QString &title, int titleWidth)
    : Screen(module, formName)
    , player_(new YearPlayer(this))
{
    setWindowTitle(title);
    setBackground(screenColour);
    QLabel *label = makeLabel(canvas(), QStringLiteral("Title"), title, {120, 120, titleWidth, 520}, Twips::font(16, true));
    setTextColour(label, palette::observe.darker(130));
}

void PopulationScreen::buildPlayButton(const QRect &twips)
{
    play_ = makeScreenButton(canvas(), QStringLiteral("Play"), playCaption(false), twips, palette::observe.darker(115));
    accessible::name(play_, QStringLiteral("Avvia o ferma il passare degli anni"));
    connect(play_, &QPushButton::clicked, this, &PopulationScreen::togglePlaying);
    connect(player_, &YearPlayer::advanced, this, &PopulationScreen::advance);
    connect(player_, &YearPlayer::playingChanged, this, [this](bool playing) { play_->setText(playCaption(playing)); });
}

void PopulationScreen::buildFigure(const QRect &twips, FigurePainter paint, std::function<QString()> fullScreenTitle)
{
    figure_ = new FigureCanvas(canvas(), std::move(paint));
    place(figure_, QStringLiteral("Figure"), twips, Twips::font(9));
    figure_->offerFullScreen(std::move(fullScreenTitle));
}

void PopulationScreen::buildFootButtons()
{
    QComboBox *unit = makeUnitChoice(canvas(), {120, footTop, 2500, footHeight});
    connect(unit, &QComboBox::currentIndexChanged, this,
            [this](int index) { unitChosen(index == 1 ? PyramidUnit::Percent : PyramidUnit::Thousands); });
    connect(makeScreenButton(canvas(), QStringLiteral("SaveImage"), QStringLiteral("Salva l'immagine"), {2760, footTop, 2400, footHeight},
                             footColour),
            &QPushButton::clicked, this, &PopulationScreen::saveImage);
    connect(makeScreenButton(canvas(), QStringLiteral("Cmdtorno"), QStringLiteral("Torno"), {7800, footTop, 1260, footHeight}, footColour),
            &QPushButton::clicked, this, &PopulationScreen::escape);
    connect(makeScreenButton(canvas(), QStringLiteral("Cmdmenù"), QStringLiteral("Menù"), {9200, footTop, 1260, footHeight}, footColour),
            &QPushButton::clicked, this, [this] {
                player_->pause();
                goToMenu();
            });
    connect(makeScreenButton(canvas(), QStringLiteral("Cmdesco"), QStringLiteral("Esco"), {10620, footTop, 1260, footHeight}, palette::exit),
            &QPushButton::clicked, this, &PopulationScreen::exitProgram);
}

void PopulationScreen::escape()
{
    player_->pause();
    goBack();
}

} // namespace censaria::populations
