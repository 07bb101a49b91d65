#pragma once

#include "screenkit/figureview.h"
#include "screenkit/screen.h"
#include "pyramidpainter.h"

#include <functional>

class QPushButton;

namespace censaria::populations {

class FigureCanvas;
class YearPlayer;

// What the screens of real populations share: a titled light page, a figure whose years
// a player moves on, its play button, and the row at the foot (the bars' unit, saving the
// image, back, menu, exit). Leaving the screen stops the years.
class PopulationScreen : public Screen
{
    Q_OBJECT
public:
    FigureCanvas *figure() const { return figure_; }
    YearPlayer *player() const { return player_; }

protected:
    PopulationScreen(Module &module, const QString &formName, const QString &title, int titleWidth);

    // Each is built where the screen's own controls leave room for it; together they
    // need buildFigure before buildFootButtons.
    void buildPlayButton(const QRect &twips);
    void buildFigure(const QRect &twips, FigurePainter paint, std::function<QString()> fullScreenTitle);
    void buildFootButtons();

    void escape() override;
    // The player's tick: years gone by since the last one.
    virtual void advance(double years) = 0;
    virtual void togglePlaying() = 0;
    virtual void unitChosen(PyramidUnit unit) = 0;
    virtual void saveImage() = 0;

private:
    QPushButton *play_ = nullptr;
    FigureCanvas *figure_ = nullptr;
    YearPlayer *player_ = nullptr;
};

} // namespace censaria::populations
