#pragma once

#include "screenkit/screen.h"
#include "worldpyramidsfigure.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace censaria::populations {

class FigureCanvas;
class YearPlayer;

// "Piramidi del mondo": the UN's pyramids of real countries from 1950 to 2100, one or two
// side by side, each a country in a year, moved on smoothly by the play button.
class WorldPyramidsScreen : public Screen
{
    Q_OBJECT
public:
    explicit WorldPyramidsScreen(Module &module);

    const WorldPyramidsView &view() const { return view_; }
    // Shows a country in a year on one side (0 or 1); the second side shows when given.
    void showPyramid(int side, int countryCode, double year);
    void showSecondPyramid(bool shown);
    FigureCanvas *figure() const { return figure_; }
    YearPlayer *player() const { return player_; }

protected:
    void escape() override;

private:
    struct SideControls
    {
        QComboBox *country = nullptr;
        QSlider *slider = nullptr;
        QLabel *year = nullptr;
        double exactYear = lastEstimateYear;
    };

    void buildSide(int side, int top);
    void buildButtons();
    void advance(double years);
    void togglePlaying();
    void refresh();
    QString figureTitle() const;
    void saveImage();

    SideControls sides_[2];
    QCheckBox *second_ = nullptr;
    QPushButton *play_ = nullptr;
    QComboBox *unit_ = nullptr;
    QLabel *problem_ = nullptr;
    FigureCanvas *figure_ = nullptr;
    YearPlayer *player_ = nullptr;
    WorldPyramidsView view_;
};

} // namespace censaria::populations
