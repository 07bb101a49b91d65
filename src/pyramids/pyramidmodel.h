#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>

namespace censaria {

// A model population in eighteen five-year age classes, aged one step at a time from
// age-specific rates (per 1000 persons of the class per five-year step).
class PyramidModel
{
public:
    enum class Country { Italy, Algeria, Usa };

    static constexpr int classCount = 18;
    static constexpr int birthRateCount = 6;  // box j: class 9 - j ("40-44" down to "15-19")
    static constexpr int deathRateCount = 17; // box k: class 17 - k ("80-84" down to "00-04")

    enum class StepOutcome {
        Done,
        YearLimit, // the year counter would pass its 16-bit limit
        TooLarge,  // a class or the total would not fit a 32-bit integer
    };

    // Fills the classes of a country and starts again from year 0.
    void load(Country country);
    Country country() const { return country_; }
    QString countryName() const; // "ITALIA", "ALGERIA", "USA"
    // The source of the country's figures, where it is known; otherwise empty.
    QString sourceText() const;
    // The country's own rates, as written into the boxes.
    QStringList birthRateTexts() const;
    QStringList deathRateTexts() const;

    // One five-year step with the rates as typed; the state changes only when Done.
    StepOutcome step(const QStringList &birthRates, const QStringList &deathRates);

    // Years back to 0, the population as it stands.
    void inizio() { annisim_ = 0; }
    // The total from the classes.
    void calcolapop();

    // Persons in a class (1 to 18), the total, the years simulated and the deaths of the last step.
    qint32 popclassi(int ageClass) const { return popclassi_.at(ageClass); }
    qint32 poptotale() const { return poptotale_; }
    qint16 annisim() const { return annisim_; }
    qint32 mortitot() const { return mortitot_; }
    // Width of the bar of a class, in twips.
    double barWidth(int ageClass) const { return double(popclassi_.at(ageClass)) / scala_; }

    // The figures beside the pyramid, as their labels show them.
    QString totalText() const;
    QString yearsText() const;
    QString youngShareText() const; // classes 1 to 3
    QString adultShareText() const; // classes 4 to 13
    QString oldShareText() const;   // classes 14 to 18
    QString natalityText() const;
    QString mortalityText() const { return mortality_; }

    // "00-04" for class 1 ... "80-84" for class 17, "85-90" for class 18.
    static QString classLabel(int ageClass);

private:
    QString shareText(int firstClass, int lastClass) const;
    // A yearly rate in percent from a count over the last five years, cut to three characters.
    QString yearlyPercentText(qint32 count) const;

    Country country_ = Country::Italy;
    std::array<qint32, classCount + 1> popclassi_{}; // slot 0 unused
    qint32 poptotale_ = 0;
    qint16 annisim_ = 0;
    qint32 mortitot_ = 0;
    qint16 scala_ = 4000; // persons per twip of bar width
    QString mortality_;
};

} // namespace censaria
