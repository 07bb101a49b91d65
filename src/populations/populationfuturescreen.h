#pragma once

#include "populationfuturefigure.h"
#include "populationscreen.h"

class QComboBox;
class QLabel;
class QSlider;

namespace censaria::populations {

// "Il futuro della popolazione": from a country's 2020 pyramid the pupil sets children per
// woman, life expectancy and net migrants, and sees the pyramid they give, year by year
// to 2100, beside the UN's medium variant.
class PopulationFutureScreen : public PopulationScreen
{
    Q_OBJECT
public:
    explicit PopulationFutureScreen(Module &module);

    const PopulationFutureView &view() const { return view_; }
    // Starts again from the country's 2020 pyramid with the UN's assumptions.
    void showCountry(int code);
    // Projects with these levers; when they are impossible, says why and keeps the last ones.
    bool setLevers(const Levers &levers);
    void showYear(double year);

private:
    struct Lever
    {
        QLabel *caption = nullptr;
        QSlider *slider = nullptr;
        QLabel *value = nullptr;
    };

    Lever buildLever(const QString &name, const QString &caption, int left, const QString &accessibleName);
    void leverMoved();
    void showLevers();
    void advance(double years) override;
    void togglePlaying() override;
    void unitChosen(PyramidUnit unit) override;
    void saveImage() override;
    void refresh();

    QComboBox *country_ = nullptr;
    Lever children_, lifeExpectancy_, migrants_;
    QLabel *message_ = nullptr;
    QSlider *year_ = nullptr;
    QLabel *yearValue_ = nullptr;
    PopulationFutureView view_;
    Projection projection_;
};

} // namespace censaria::populations
