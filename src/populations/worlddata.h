#pragma once

#include <QList>
#include <QString>
#include <array>
#include <vector>

// The UN's World Population Prospects 2019 for the countries the program shows: the
// population by sex and five-year age group from 1950 to 2100 and the assumptions of
// the medium variant, read once from the copies of the published rows kept in the
// program's resources.
namespace censaria::populations {

// 0-4, 5-9, ... 95-99 and 100+.
inline constexpr int ageGroupCount = 21;
// Thousands of persons on 1 July, by age group.
using AgeGroups = std::array<double, ageGroupCount>;

QString ageGroupLabel(int group);

struct Pyramid
{
    AgeGroups males{};
    AgeGroups females{};

    double total() const;
};

// The pyramid a share t of the way from a to b, each group on a straight line.
Pyramid between(const Pyramid &a, const Pyramid &b, double t);

// Every five years from 1950 to 2100: estimates up to 2020, the medium variant after.
inline constexpr int firstYear = 1950;
inline constexpr int lastEstimateYear = 2020;
inline constexpr int lastYear = 2100;
inline constexpr int yearStep = 5;
inline constexpr int yearCount = (lastYear - firstYear) / yearStep + 1;
// The five-year periods of the projection, 2020-2025 to 2095-2100.
inline constexpr int projectionPeriods = (lastYear - lastEstimateYear) / yearStep;
// Death rates are given for the ages 0, 1-4, 5-9, ... 95-99 and 100+.
inline constexpr int deathRateAges = 22;
// Births are given for mothers of 15-19 ... 45-49.
inline constexpr int motherAgeGroups = 7;
inline constexpr int firstMotherAgeGroup = 3;

using DeathRates = std::array<double, deathRateAges>;

// The medium variant's assumptions for one five-year period.
struct PeriodAssumptions
{
    DeathRates maleDeathRates{};
    DeathRates femaleDeathRates{};
    double childrenPerWoman = 0;
    std::array<double, motherAgeGroups> birthsShare{}; // per cent of the births, by mother's age
    double boysPerGirl = 0;
    double netMigrants = 0; // thousands in the five years
};

struct Country
{
    int code = 0;
    QString name;   // in Italian
    QString unName; // as the UN writes it
    std::array<Pyramid, yearCount> pyramids{};
    std::array<PeriodAssumptions, projectionPeriods> assumptions{};
    // Children per woman estimated for 1950-1955 ... 2015-2020.
    std::array<double, (lastEstimateYear - firstYear) / yearStep> pastChildrenPerWoman{};
    // Totals of the high and low variants, 2025 to 2100.
    std::array<double, projectionPeriods> highVariant{};
    std::array<double, projectionPeriods> lowVariant{};

    // The pyramid of a year from 1950 to 2100, between the five-year steps drawn on a
    // straight line from one to the next (the year is kept within the range).
    Pyramid pyramidAt(double year) const;
    static bool isProjection(double year) { return year > lastEstimateYear; }
};

class WorldData
{
public:
    // The rows kept in the program's resources, read on first use.
    static const WorldData &builtIn();
    // The rows of the published files in a folder; a file missing or a row out of
    // place leaves the data empty and problem() saying which.
    static WorldData readFolder(const QString &folder);

    bool isValid() const { return problem_.isEmpty() && !countries_.empty(); }
    QString problem() const { return problem_; }

    // Italy first, then the others in the order of their Italian names.
    const std::vector<Country> &countries() const { return countries_; }
    const Country *country(int code) const;
    // By its Italian or UN name or its code, in any case; nullptr when there is none.
    const Country *find(const QString &name) const;

private:
    std::vector<Country> countries_;
    QString problem_;
};

// Where the figures come from, to be said wherever they are shown.
QString sourceLine();
// What the figures of a year are: the UN's estimate, or its projection made in 2019.
QString yearKind(double year);

} // namespace censaria::populations
