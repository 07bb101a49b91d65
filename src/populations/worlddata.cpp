#include "worlddata.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace censaria::populations {
namespace {

// The countries brought in, with their names in Italian.
const struct
{
    int code;
    const char *name;
} italianNames[] = {
    {380, "Italia"}, {250, "Francia"}, {276, "Germania"}, {392, "Giappone"}, {356, "India"}, {562, "Niger"}, {566, "Nigeria"},
};

constexpr int estimateColumns = (lastEstimateYear - firstYear) / yearStep + 1; // 1950 ... 2020
constexpr int periodColumns = (lastYear - firstYear) / yearStep;               // 1950-1955 ... 2095-2100
constexpr int firstProjectionPeriod = periodColumns - projectionPeriods;       // 2020-2025
constexpr int pastFertilityColumns = firstProjectionPeriod + 1;                // ... and the last year observed

// One published file: its rows by country code, and by age where the file has ages.
class Table
{
public:
    Table(const QString &folder, const QString &file, bool byAge, int valueColumns)
        : file_(file)
        , byAge_(byAge)
        , valueColumns_(valueColumns)
    {
        QFile in(QDir(folder).filePath(file));
        if (!in.open(QIODevice::ReadOnly)) {
            problem_ = QStringLiteral("manca il file %1").arg(file);
            return;
        }
        const QList<QByteArray> lines = in.readAll().split('\n');
        const int leading = byAge ? 3 : 2;
        for (qsizetype i = 1; i < lines.size() && problem_.isEmpty(); ++i) {
            const QByteArray line = lines[i].trimmed();
            if (line.isEmpty())
                continue;
            const QList<QByteArray> fields = line.split('\t');
            if (fields.size() != leading + valueColumns) {
                problem_ = QStringLiteral("la riga %1 del file %2 non ha %3 colonne").arg(i + 1).arg(file).arg(leading + valueColumns);
                break;
            }
            QList<double> values;
            for (qsizetype f = leading; f < fields.size(); ++f) {
                bool ok = false;
                const double value = fields[f].toDouble(&ok);
                if (!ok || !std::isfinite(value)) {
                    problem_ = QStringLiteral("nella riga %1 del file %2 c'è \"%3\" invece di un numero")
                                   .arg(i + 1)
                                   .arg(file, QString::fromUtf8(fields[f].left(20)));
                    break;
                }
                values.append(value);
            }
            rows_.insert(key(fields[0].toInt(), byAge ? QString::fromUtf8(fields[2]) : QString()), values);
            if (!names_.contains(fields[0].toInt()))
                order_.append(fields[0].toInt());
            names_.insert(fields[0].toInt(), QString::fromUtf8(fields[1]));
        }
    }

    QString problem() const { return problem_; }
    const QList<int> &codes() const { return order_; }
    QString unName(int code) const { return names_.value(code); }

    // The values of a row; records the problem and gives zeros when the row is missing.
    QList<double> row(int code, const QString &age, QString &problem) const
    {
        const auto found = rows_.constFind(key(code, age));
        if (found != rows_.constEnd())
            return *found;
        if (problem.isEmpty())
            problem = QStringLiteral("nel file %1 manca la riga di %2%3")
                          .arg(file_, unName(code), age.isEmpty() ? QString() : QLatin1Char(' ') + age);
        return QList<double>(valueColumns_, 0.0);
    }

private:
    static QString key(int code, const QString &age) { return QString::number(code) + QLatin1Char('|') + age; }

    QString file_;
    bool byAge_;
    int valueColumns_;
    QHash<QString, QList<double>> rows_;
    QHash<int, QString> names_;
    QList<int> order_;
    QString problem_;
};

QString deathRateAge(int index)
{
    return index == 0 ? QStringLiteral("0") : index == 1 ? QStringLiteral("1") : QString::number((index - 1) * 5);
}

QString italianName(int code, const QString &unName)
{
    for (const auto &entry : italianNames)
        if (entry.code == code)
            return QString::fromUtf8(entry.name);
    return unName;
}

} // namespace

QString ageGroupLabel(int group)
{
    return group == ageGroupCount - 1 ? QStringLiteral("100+") : QStringLiteral("%1-%2").arg(group * 5).arg(group * 5 + 4);
}

double Pyramid::total() const
{
    return std::accumulate(males.begin(), males.end(), 0.0) + std::accumulate(females.begin(), females.end(), 0.0);
}

Pyramid between(const Pyramid &a, const Pyramid &b, double t)
{
    Pyramid p;
    for (int g = 0; g < ageGroupCount; ++g) {
        p.males[g] = a.males[g] * (1 - t) + b.males[g] * t;
        p.females[g] = a.females[g] * (1 - t) + b.females[g] * t;
    }
    return p;
}

Pyramid Country::pyramidAt(double year) const
{
    const double position = std::clamp((year - firstYear) / yearStep, 0.0, double(yearCount - 1));
    const int before = std::min(int(position), yearCount - 2);
    return between(pyramids[before], pyramids[before + 1], position - before);
}

const WorldData &WorldData::builtIn()
{
    static const WorldData data = readFolder(QStringLiteral(":/wpp2019"));
    return data;
}

WorldData WorldData::readFolder(const QString &folder)
{
    WorldData data;
    const Table popM(folder, QStringLiteral("popM.txt"), true, estimateColumns);
    const Table popF(folder, QStringLiteral("popF.txt"), true, estimateColumns);
    const Table projM(folder, QStringLiteral("popMprojMed.txt"), true, projectionPeriods);
    const Table projF(folder, QStringLiteral("popFprojMed.txt"), true, projectionPeriods);
    const Table mxM(folder, QStringLiteral("mxM.txt"), true, periodColumns);
    const Table mxF(folder, QStringLiteral("mxF.txt"), true, periodColumns);
    const Table asfr(folder, QStringLiteral("percentASFR.txt"), true, periodColumns);
    const Table tfrProj(folder, QStringLiteral("tfrprojMed.txt"), false, projectionPeriods);
    const Table tfrPast(folder, QStringLiteral("tfr.txt"), false, pastFertilityColumns);
    const Table sexRatio(folder, QStringLiteral("sexRatio.txt"), false, periodColumns);
    const Table migration(folder, QStringLiteral("migration.txt"), false, periodColumns);
    const Table high(folder, QStringLiteral("popprojHigh.txt"), false, projectionPeriods);
    const Table low(folder, QStringLiteral("popprojLow.txt"), false, projectionPeriods);
    QString problem;
    for (const Table *table : {&popM, &popF, &projM, &projF, &mxM, &mxF, &asfr, &tfrProj, &tfrPast, &sexRatio, &migration, &high, &low})
        if (problem.isEmpty())
            problem = table->problem();

    for (int code : popM.codes()) {
        if (!problem.isEmpty())
            break;
        Country c;
        c.code = code;
        c.unName = popM.unName(code);
        c.name = italianName(code, c.unName);
        for (int g = 0; g < ageGroupCount; ++g) {
            const QString age = ageGroupLabel(g);
            const QList<double> pastM = popM.row(code, age, problem), pastF = popF.row(code, age, problem);
            const QList<double> futureM = projM.row(code, age, problem), futureF = projF.row(code, age, problem);
            for (int y = 0; y < yearCount; ++y) {
                c.pyramids[y].males[g] = y < estimateColumns ? pastM[y] : futureM[y - estimateColumns];
                c.pyramids[y].females[g] = y < estimateColumns ? pastF[y] : futureF[y - estimateColumns];
            }
        }
        const QList<double> children = tfrProj.row(code, {}, problem);
        const QList<double> boys = sexRatio.row(code, {}, problem);
        const QList<double> migrants = migration.row(code, {}, problem);
        for (int p = 0; p < projectionPeriods; ++p) {
            PeriodAssumptions &a = c.assumptions[p];
            a.childrenPerWoman = children[p];
            a.boysPerGirl = boys[firstProjectionPeriod + p];
            a.netMigrants = migrants[firstProjectionPeriod + p];
        }
        for (int i = 0; i < deathRateAges; ++i) {
            const QList<double> m = mxM.row(code, deathRateAge(i), problem), f = mxF.row(code, deathRateAge(i), problem);
            for (int p = 0; p < projectionPeriods; ++p) {
                c.assumptions[p].maleDeathRates[i] = m[firstProjectionPeriod + p];
                c.assumptions[p].femaleDeathRates[i] = f[firstProjectionPeriod + p];
            }
        }
        for (int j = 0; j < motherAgeGroups; ++j) {
            const QList<double> share = asfr.row(code, ageGroupLabel(firstMotherAgeGroup + j), problem);
            for (int p = 0; p < projectionPeriods; ++p)
                c.assumptions[p].birthsShare[j] = share[firstProjectionPeriod + p];
        }
        const QList<double> past = tfrPast.row(code, {}, problem);
        std::copy_n(past.begin(), c.pastChildrenPerWoman.size(), c.pastChildrenPerWoman.begin());
        const QList<double> h = high.row(code, {}, problem), l = low.row(code, {}, problem);
        std::copy_n(h.begin(), projectionPeriods, c.highVariant.begin());
        std::copy_n(l.begin(), projectionPeriods, c.lowVariant.begin());
        data.countries_.push_back(std::move(c));
    }
    if (!problem.isEmpty()) {
        data.countries_.clear();
        data.problem_ = QStringLiteral("I dati dell'ONU non si possono leggere: %1.").arg(problem);
        return data;
    }
    std::sort(data.countries_.begin(), data.countries_.end(), [](const Country &a, const Country &b) {
        if ((a.code == 380) != (b.code == 380))
            return a.code == 380;
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    return data;
}

const Country *WorldData::country(int code) const
{
    const auto found = std::find_if(countries_.begin(), countries_.end(), [code](const Country &c) { return c.code == code; });
    return found == countries_.end() ? nullptr : &*found;
}

const Country *WorldData::find(const QString &name) const
{
    const QString wanted = name.trimmed();
    for (const Country &c : countries_)
        if (c.name.compare(wanted, Qt::CaseInsensitive) == 0 || c.unName.compare(wanted, Qt::CaseInsensitive) == 0
            || QString::number(c.code) == wanted)
            return &c;
    return nullptr;
}

QString sourceLine()
{
    return QStringLiteral("Fonte: Nazioni Unite, DESA, Divisione della popolazione (2019), World Population Prospects 2019, Rev. 1 "
                          "(licenza CC BY 3.0 IGO). Fino al 2020 stime dell'ONU; dopo il 2020 proiezioni fatte nel 2019 "
                          "(variante media).");
}

QString yearKind(double year)
{
    return Country::isProjection(year) ? QStringLiteral("proiezione dell'ONU fatta nel 2019") : QStringLiteral("stima dell'ONU");
}

} // namespace censaria::populations
