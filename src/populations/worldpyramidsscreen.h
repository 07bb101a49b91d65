#pragma once

#include "populationscreen.h"
#include "worldpyramidsfigure.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

namespace censaria::populations {

// "Piramidi del mondo": the UN's pyramids of real countries from 1950 to 2100, one or two
// side by side, each a country in a year, moved on smoothly by the play button.
class WorldPyramidsScreen : public PopulationScreen
{
    Q_OBJECT
public:
    explicit WorldPyramidsScreen(Module &module);

    const WorldPyramidsView &view() const { return view_; }
    // Shows a country in a year on one side (0 or 1); the second side shows when given.
    void showPyramid(int side, int countryCode, double year);
    void showSecondPyramid(bool shown);

private:
    struct SideControls
    {
        QComboBox *country = nullptr;
        QSlider *slider = nullptr;
        QLabel *year = nullptr;
        double exactYear = lastEstimateYear;
    };

    void buildSide(int side, int top);
    void advance(double years) override;
    void togglePlaying() override;
    void unitChosen(PyramidUnit unit) override;
    void saveImage() override;
    void refresh();
    QString figureTitle() const;

    SideControls sides_[2];
    QCheckBox *second_ = nullptr;
    QLabel *problem_ = nullptr;
    WorldPyramidsView view_;
};

} // namespace censaria::populations
