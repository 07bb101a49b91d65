#pragma once

#include "screenkit/screen.h"
#include "pyramidmodel.h"

#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;

namespace censaria {

class PyramidPicture;
class StackedLabel;

// The population pyramid of a model country, aged in five-year steps from the birth and
// death rates typed in the boxes beside it.
class PyramidsScreen : public Screen
{
    Q_OBJECT
public:
    explicit PyramidsScreen(Module &module);

    // The loaded population at year 0.
    void inizio();
    // The total population.
    void calcolapop();
    // The shares of the three broad age groups and the natality figure.
    void grandiclassi();

    const PyramidModel &model() const { return model_; }

private:
    void buildPicture();
    void buildRateBoxes();
    void buildModelChoice();
    void buildFigures();
    void buildNavigation();

    void loadCountry(PyramidModel::Country country);
    void calculateNextStep();
    void backToStart();
    void drawBars();
    void describePyramid();

    void addFrame(const QString &name, const QRect &twips);
    QStringList ratesTyped(const QList<QLineEdit *> &boxes) const;

    PyramidModel model_;
    PyramidPicture *picture_ = nullptr; // Picture1
    StackedLabel *ageColumn_ = nullptr; // Label1
    QList<QLineEdit *> birthRates_;     // Text6(0..5)
    QList<QLineEdit *> deathRates_;     // Text7(0..16)
    QLabel *modelName_ = nullptr;       // labmodello
    QLabel *source_ = nullptr;          // LabFonte: where the model's figures come from
    QList<std::pair<PyramidModel::Country, QPushButton *>> countryButtons_;
    QLabel *years_ = nullptr;      // Labanni
    QLabel *total_ = nullptr;      // Labtotpop
    QLabel *youngShare_ = nullptr; // Label2
    QLabel *adultShare_ = nullptr; // Label5
    QLabel *oldShare_ = nullptr;   // Label11
    QLabel *natality_ = nullptr;   // Label13
    QLabel *mortality_ = nullptr;  // Label14
};

} // namespace censaria
