#include "pyramidmodel.h"

#include "platform/numbers.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace censaria {
namespace {

struct CountryData
{
    const char *name;
    const char *mortalityCaption;                             // shown until the first step: deaths a year, in percent
    const char *source;                                       // where the model's figures come from, for the screen; empty if unknown
    std::array<qint32, PyramidModel::classCount> classes;     // class 1 first
    std::array<int, PyramidModel::birthRateCount> birthRates; // by box
    std::array<int, PyramidModel::deathRateCount> deathRates; // by box
};

constexpr std::array<int, PyramidModel::deathRateCount> developedDeathRates = {500, 380, 250, 150, 80, 60, 40, 20, 15,
                                                                               10,  3,   3,   3,   5,  5,  10, 10};

const CountryData countries[] = {
    {"ITALIA",
     "1",
     "",
     {2690000, 2776000, 2846000, 3043000, 3563000, 4396000, 4697000, 4674000, 4095000, 3766000, 3974000, 3278000, 3482000, 3106000, 2794000,
      2261000, 1134000, 1261000},
     {30, 150, 300, 250, 100, 50},
     developedDeathRates},
    // Algeria's mortality is that of the United Nations' World Population Prospects 2019
    // for 1995-2000: 5,3 deaths a year per 1000 inhabitants, and deaths per 1000 persons
    // of each class over five years from the survivors of their life table, both sexes.
    {"ALGERIA",
     "0,5",
     "Mortalità alle varie età: ONU, World Population Prospects 2019 (anni 1995-2000)",
     {3303000, 3052000, 2700000, 2530000, 2322000, 2005000, 1804000, 1793000, 1667000, 1520000, 1361000, 1260000, 1043000, 849000, 651000,
      245000, 100800, 0},
     {70, 180, 250, 300, 340, 300},
     {537, 378, 249, 158, 101, 65, 43, 28, 19, 14, 10, 8, 7, 6, 4, 4, 9}},
    {"USA",
     "0,9",
     "",
     {19400000, 19200000, 19000000, 18800000, 18500000, 18200000, 18000000, 17800000, 17800000, 17000000, 16500000, 15000000, 14000000, 12000000,
      8500000, 7000000, 4500000, 2000000},
     {80, 110, 200, 300, 250, 100},
     developedDeathRates},
};

const CountryData &dataOf(PyramidModel::Country country)
{
    return countries[static_cast<int>(country)];
}

template <std::size_t N>
QStringList asTexts(const std::array<int, N> &rates)
{
    QStringList texts;
    for (int rate : rates)
        texts.append(QString::number(rate));
    return texts;
}

// The rate typed in box i; a missing box or a text without a leading number reads as 0.
double rateAt(const QStringList &boxes, int i)
{
    return i < boxes.size() ? numbers::readLeadingWithRadix(boxes.at(i)) : 0.0;
}

constexpr qint64 int32Max = std::numeric_limits<qint32>::max();

} // namespace

void PyramidModel::load(Country country)
{
    const CountryData &data = dataOf(country);
    country_ = country;
    scala_ = 4000;
    std::copy(data.classes.begin(), data.classes.end(), popclassi_.begin() + 1);
    calcolapop();
    mortitot_ = 0;
    mortality_ = QString::fromUtf8(data.mortalityCaption);
    inizio();
}

QString PyramidModel::countryName() const
{
    return QString::fromUtf8(dataOf(country_).name);
}
QString PyramidModel::sourceText() const
{
    return QString::fromUtf8(dataOf(country_).source);
}
QStringList PyramidModel::birthRateTexts() const
{
    return asTexts(dataOf(country_).birthRates);
}
QStringList PyramidModel::deathRateTexts() const
{
    return asTexts(dataOf(country_).deathRates);
}

PyramidModel::StepOutcome PyramidModel::step(const QStringList &birthRates, const QStringList &deathRates)
{
    if (annisim_ > std::numeric_limits<qint16>::max() - 5)
        return StepOutcome::YearLimit;

    // Worked on a copy, so that a step that cannot be completed leaves nothing half-done.
    std::array<qint64, classCount + 1> next{};
    std::copy(popclassi_.begin(), popclassi_.end(), next.begin());

    // Ageing from the oldest class down, so each class is moved before it is overwritten;
    // whoever was in the last class leaves without being counted. A class can lose at most
    // all its members, and nobody comes back to life: rates outside 0..1000 are held there.
    qint64 deaths = 0;
    for (int k = 0; k < deathRateCount; ++k) {
        const int c = 17 - k;
        const double rate = std::clamp(rateAt(deathRates, k), 0.0, 1000.0);
        const auto died = static_cast<qint64>(numbers::floorOf(double(next[c]) * rate / 1000));
        deaths += died;
        next[c + 1] = next[c] - died;
    }

    // Births from the classes as they stand after ageing; a negative rate gives no births.
    double births = 0;
    for (int j = 0; j < birthRateCount; ++j)
        births += double(next[9 - j]) * std::max(0.0, rateAt(birthRates, j)) / 1000;
    const std::optional<qint32> born = numbers::toInt32(births);
    if (!born)
        return StepOutcome::TooLarge;
    next[1] = *born;
    if (std::accumulate(next.begin() + 1, next.end(), qint64(0)) > int32Max)
        return StepOutcome::TooLarge;

    std::copy(next.begin(), next.end(), popclassi_.begin());
    annisim_ += 5;
    mortitot_ = static_cast<qint32>(deaths);
    calcolapop();
    mortality_ = yearlyPercentText(mortitot_);
    return StepOutcome::Done;
}

void PyramidModel::calcolapop()
{
    // Every step keeps the total within 32 bits, so the narrowing is safe.
    poptotale_ = static_cast<qint32>(std::accumulate(popclassi_.begin() + 1, popclassi_.end(), qint64(0)));
}

QString PyramidModel::totalText() const
{
    return numbers::groupedText(poptotale_);
}
QString PyramidModel::yearsText() const
{
    return numbers::toText(annisim_);
}
QString PyramidModel::youngShareText() const
{
    return shareText(1, 3);
}
QString PyramidModel::adultShareText() const
{
    return shareText(4, 13);
}
QString PyramidModel::oldShareText() const
{
    return shareText(14, 18);
}

// Class 1 holds the births of the last five years.
QString PyramidModel::natalityText() const
{
    return yearlyPercentText(popclassi_[1]);
}

// Rounded to one decimal, so that the whole share fits its label: "14,4 %".
QString PyramidModel::shareText(int firstClass, int lastClass) const
{
    if (poptotale_ == 0)
        return numbers::percentText(0); // an empty population has no shares
    const qint64 part = std::accumulate(popclassi_.begin() + firstClass, popclassi_.begin() + lastClass + 1, qint64(0));
    return numbers::percentText(double(part) / poptotale_ * 100);
}

QString PyramidModel::yearlyPercentText(qint32 count) const
{
    if (poptotale_ == 0)
        return QStringLiteral("0");
    const double percent = double(count) / poptotale_ * 20;
    // Three characters must not misstate the size: "1,2" from "1,2E-05", or "997" from
    // "997774" (deaths of a population that has almost vanished).
    if (percent > 0 && percent < 1e-4)
        return QStringLiteral("0,0");
    if (percent >= 1000)
        return QStringLiteral(">999");
    QString text = numbers::toText(percent).left(3);
    if (text.endsWith(u','))
        text.chop(1); // "12," reads as 12
    return text;
}

QString PyramidModel::classLabel(int ageClass)
{
    const int from = 5 * (ageClass - 1);
    const int to = ageClass == classCount ? 90 : from + 4; // the last class is open-ended
    return QStringLiteral("%1-%2").arg(from, 2, 10, QLatin1Char('0')).arg(to, 2, 10, QLatin1Char('0'));
}

} // namespace censaria
