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
    void inizio() { annisim = 0; }
    // The total from the classes.
    void calcolapop();

    qint32 persons(int ageClass) const { return popclassi.at(ageClass); }
    qint32 total() const { return poptotale; }
    qint16 years() const { return annisim; }
    qint32 deaths() const { return mortitot; }
    // Width of the bar of a class, in twips.
    double barWidth(int ageClass) const { return double(popclassi.at(ageClass)) / scala; }

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
    std::array<qint32, classCount + 1> popclassi{}; // slot 0 unused
    qint32 poptotale = 0;
    qint16 annisim = 0;
    qint32 mortitot = 0;
    qint16 scala = 4000; // persons per twip of bar width
    QString mortality_;
};

} // namespace censaria
