#include "populationfuturefigure.h"

#include "chartpainter.h"
#include "platform/numbers.h"
#include "pyramidfigures.h"
#include "worldpyramidsfigure.h"

#include <QLocale>
#include <QPainter>
#include <cmath>

namespace censaria::populations {
namespace {

QString oneDecimal(double value)
{
    return numbers::groupedText(value, 1);
}

QString signedYears(double years)
{
    return (years > 0 ? QStringLiteral("+") : QString()) + numbers::toText(years);
}

FigureTable comparison(const PyramidFigures &mine, const PyramidFigures &un)
{
    FigureTable table;
    table.columns = {{QStringLiteral("Tue ipotesi"), sideColour(0)}, {QStringLiteral("ONU"), sideColour(1)}};
    const auto row = [&](const QString &label, auto value) { table.rows.append({label, {value(mine), value(un)}}); };
    row(QStringLiteral("Abitanti (milioni)"), [](const PyramidFigures &f) { return oneDecimal(f.total / 1000); });
    row(QStringLiteral("Giovani, 0-14 anni"), [](const PyramidFigures &f) { return oneDecimal(f.youngShare) + QStringLiteral(" %"); });
    row(QStringLiteral("Anziani, 65 e più"), [](const PyramidFigures &f) { return oneDecimal(f.oldShare) + QStringLiteral(" %"); });
    row(QStringLiteral("Indice di dipendenza"), [](const PyramidFigures &f) { return oneDecimal(f.dependencyRatio); });
    row(QStringLiteral("Indice di vecchiaia"), [](const PyramidFigures &f) { return oneDecimal(f.oldAgeIndex); });
    return table;
}

LineChart populationChart(const PopulationFutureView &view)
{
    LineChart chart;
    chart.title = QStringLiteral("Abitanti in milioni");
    chart.legend = QStringLiteral("piena: tue ipotesi · trattini: ONU · grigio: ONU alta e bassa");
    chart.fromYear = lastEstimateYear;
    chart.decimals = 0;
    ChartLine mine{sideColour(0), Qt::SolidLine, {}}, un{sideColour(1), Qt::DashLine, {}};
    ChartBand band;
    const int first = yearCount - 1 - projectionPeriods;
    for (int p = 0; p <= projectionPeriods; ++p) {
        const double year = lastEstimateYear + p * yearStep;
        mine.points.append({year, view.projection->pyramids[p].total() / 1000});
        un.points.append({year, view.country->pyramids[first + p].total() / 1000});
        const double start = view.country->pyramids[first].total() / 1000;
        band.high.append({year, p == 0 ? start : view.country->highVariant[p - 1] / 1000});
        band.low.append({year, p == 0 ? start : view.country->lowVariant[p - 1] / 1000});
    }
    chart.band = band;
    chart.lines << un << mine;
    chart.markedYears.append({view.year, figureColours::ink});
    return chart;
}

} // namespace

double sharedScale(const PopulationFutureView &view)
{
    double largest = 0;
    for (int p = 0; p <= projectionPeriods; ++p)
        largest = std::max({largest, largestBar(view.projection->pyramids[p], view.unit),
                            largestBar(view.country->pyramids[yearCount - 1 - projectionPeriods + p], view.unit)});
    return roundScale(largest);
}

QString leversInWords(const Country &country, const Levers &levers)
{
    if (levers.isUnAssumption())
        return QStringLiteral("Le tue ipotesi sono quelle dell'ONU.");
    QStringList parts;
    parts << (levers.childrenPerWoman ? QStringLiteral("%1 figli per donna").arg(numbers::groupedText(*levers.childrenPerWoman, 1))
                                      : QStringLiteral("figli per donna come l'ONU"));
    parts << (levers.lifeExpectancyChange != 0
                  ? QStringLiteral("speranza di vita %1 anni rispetto all'ONU").arg(signedYears(levers.lifeExpectancyChange))
                  : QStringLiteral("speranza di vita come l'ONU"));
    parts << (levers.netMigrantsPerYear ? QStringLiteral("saldo migratorio di %1 persone all'anno")
                                              .arg(numbers::groupedText(qint64(std::llround(*levers.netMigrantsPerYear))))
                                        : QStringLiteral("saldo migratorio come l'ONU"));
    return QStringLiteral("Le tue ipotesi per %1: %2.").arg(country.name, parts.join(QStringLiteral(", ")));
}

void paintPopulationFuture(QPainter &painter, const QRectF &area, const PopulationFutureView &view)
{
    const FigureType type(area, painter.font());
    const double gap = type.text();
    const QRectF inner = area.adjusted(gap, gap * 0.6, -gap, -gap * 0.6);
    const QString note = leversInWords(*view.country, view.levers) + u' ' + figureNote();
    const double noteSpace = noteHeight(inner, note, type) + gap * 0.5;
    const QRectF body(inner.left(), inner.top(), inner.width(), inner.height() - noteSpace);

    const double pyramidsWidth = body.width() * 0.6;
    const double pyramidWidth = (pyramidsWidth - gap) / 2;
    const double scale = sharedScale(view);
    const bool projected = Country::isProjection(view.year);
    const Pyramid mine = view.projection->at(view.year), un = view.country->pyramidAt(view.year);
    paintPyramid(painter, QRectF(body.left(), body.top(), pyramidWidth, body.height()),
                 {view.country->name, projected ? QStringLiteral("con le tue ipotesi") : yearKind(view.year), view.year, projected, mine,
                  sideColour(0)},
                 view.unit, scale, type);
    paintPyramid(painter, QRectF(body.left() + pyramidWidth + gap, body.top(), pyramidWidth, body.height()),
                 {view.country->name, projected ? QStringLiteral("ONU, variante media") : yearKind(view.year), view.year, projected, un,
                  sideColour(1)},
                 view.unit, scale, type);

    const QRectF right(body.left() + pyramidsWidth + gap * 1.5, body.top(), body.width() - pyramidsWidth - gap * 1.5, body.height());
    const FigureTable table = comparison(figuresOf(mine), figuresOf(un));
    const double tableSpace = tableHeight(table, type);
    paintTable(painter, QRectF(right.left(), right.top(), right.width(), tableSpace), table, type);
    paintLineChart(painter, QRectF(right.left(), right.top() + tableSpace + gap, right.width(), right.height() - tableSpace - gap),
                   populationChart(view), type);
    paintNote(painter, QRectF(inner.left(), inner.bottom() - noteSpace, inner.width(), noteSpace), note, type);
}

QString describePopulationFuture(const PopulationFutureView &view)
{
    const PyramidFigures mine = figuresOf(view.projection->at(view.year)), un = figuresOf(view.country->pyramidAt(view.year));
    return QStringLiteral("%1, %2. Con le tue ipotesi: %3 milioni di abitanti, indice di dipendenza %4, indice di vecchiaia %5. "
                          "ONU, variante media: %6 milioni, indice di dipendenza %7, indice di vecchiaia %8. %9")
        .arg(view.country->name)
        .arg(int(std::floor(view.year + 1e-9)))
        .arg(oneDecimal(mine.total / 1000), oneDecimal(mine.dependencyRatio), oneDecimal(mine.oldAgeIndex), oneDecimal(un.total / 1000),
             oneDecimal(un.dependencyRatio), oneDecimal(un.oldAgeIndex), leversInWords(*view.country, view.levers));
}

} // namespace censaria::populations
