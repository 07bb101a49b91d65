#include "worldpyramidsfigure.h"

#include "chartpainter.h"
#include "platform/numbers.h"
#include "pyramidfigures.h"

#include <QLocale>
#include <QPainter>
#include <cmath>

namespace censaria::populations {
namespace {

QString oneDecimal(double value)
{
    return numbers::groupedText(value, 1);
}

int wholeYear(double year)
{
    return int(std::floor(year + 1e-9));
}

QString sideTitle(const WorldPyramidsView::Side &side)
{
    return QStringLiteral("%1 %2").arg(side.country->name).arg(wholeYear(side.year));
}

FigureTable figuresTable(const WorldPyramidsView &view)
{
    FigureTable table;
    QList<PyramidFigures> figures;
    for (int s = 0; s < view.sides.size(); ++s) {
        table.columns.append({sideTitle(view.sides[s]), sideColour(s)});
        figures.append(figuresOf(view.sides[s].country->pyramidAt(view.sides[s].year)));
    }
    const auto row = [&](const QString &label, auto value) {
        QStringList values;
        for (const PyramidFigures &f : figures)
            values << value(f);
        table.rows.append({label, values});
    };
    row(QStringLiteral("Abitanti (milioni)"), [](const PyramidFigures &f) { return oneDecimal(f.total / 1000); });
    row(QStringLiteral("Giovani, 0-14 anni"), [](const PyramidFigures &f) { return oneDecimal(f.youngShare) + QStringLiteral(" %"); });
    row(QStringLiteral("Adulti, 15-64 anni"), [](const PyramidFigures &f) { return oneDecimal(f.adultShare) + QStringLiteral(" %"); });
    row(QStringLiteral("Anziani, 65 e più"), [](const PyramidFigures &f) { return oneDecimal(f.oldShare) + QStringLiteral(" %"); });
    row(QStringLiteral("Indice di dipendenza"), [](const PyramidFigures &f) { return oneDecimal(f.dependencyRatio); });
    row(QStringLiteral("Indice di vecchiaia"), [](const PyramidFigures &f) { return oneDecimal(f.oldAgeIndex); });
    return table;
}

LineChart indexChart(const WorldPyramidsView &view)
{
    LineChart chart;
    chart.title = QStringLiteral("Indici dal 1950 al 2100");
    chart.legend = QStringLiteral("linea piena: dipendenza · a trattini: vecchiaia");
    QList<const Country *> drawn;
    for (int s = 0; s < view.sides.size(); ++s) {
        const Country *country = view.sides[s].country;
        chart.markedYears.append({view.sides[s].year, sideColour(s)});
        if (drawn.contains(country))
            continue;
        drawn.append(country);
        ChartLine dependency{sideColour(s), Qt::SolidLine, {}}, oldAge{sideColour(s), Qt::DashLine, {}};
        for (int y = 0; y < yearCount; ++y) {
            const PyramidFigures f = figuresOf(country->pyramids[y]);
            const double year = firstYear + y * yearStep;
            dependency.points.append({year, f.dependencyRatio});
            oldAge.points.append({year, f.oldAgeIndex});
        }
        chart.lines << dependency << oldAge;
    }
    return chart;
}

} // namespace

QColor sideColour(int side)
{
    return side == 0 ? figureColours::firstPanel : figureColours::secondPanel;
}

double sharedScale(const WorldPyramidsView &view)
{
    double largest = 0;
    for (const WorldPyramidsView::Side &side : view.sides)
        for (const Pyramid &p : side.country->pyramids)
            largest = std::max(largest, largestBar(p, view.unit));
    return roundScale(largest);
}

QString figureNote()
{
    return QStringLiteral("Fonte: ONU, World Population Prospects 2019 (licenza CC BY 3.0 IGO). Fino al 2020 stime dell'ONU, a barre "
                          "piene; dopo il 2020 proiezioni fatte nel 2019 (variante media), a barre tratteggiate.");
}

void paintWorldPyramids(QPainter &painter, const QRectF &area, const WorldPyramidsView &view)
{
    const FigureType type(area, painter.font());
    const double gap = type.text();
    const QRectF inner = area.adjusted(gap, gap * 0.6, -gap, -gap * 0.6);
    const QString note = figureNote();
    const double noteSpace = noteHeight(inner, note, type) + gap * 0.5;
    const QRectF body(inner.left(), inner.top(), inner.width(), inner.height() - noteSpace);

    // The pyramids take three fifths of the width, their figures and indices the rest.
    const double pyramidsWidth = body.width() * 0.6;
    const double scale = sharedScale(view);
    const qsizetype count = view.sides.size();
    const double pyramidWidth = (pyramidsWidth - gap * (count - 1)) / std::max<qsizetype>(1, count);
    for (int s = 0; s < count; ++s) {
        const WorldPyramidsView::Side &side = view.sides[s];
        PyramidPanel panel{
            side.country->name, yearKind(side.year), side.year, Country::isProjection(side.year), side.country->pyramidAt(side.year),
            sideColour(s)};
        paintPyramid(painter, QRectF(body.left() + s * (pyramidWidth + gap), body.top(), pyramidWidth, body.height()), panel, view.unit, scale,
                     type);
    }
    const QRectF right(body.left() + pyramidsWidth + gap * 1.5, body.top(), body.width() - pyramidsWidth - gap * 1.5, body.height());
    const FigureTable table = figuresTable(view);
    const double tableSpace = tableHeight(table, type);
    paintTable(painter, QRectF(right.left(), right.top(), right.width(), tableSpace), table, type);
    paintLineChart(painter, QRectF(right.left(), right.top() + tableSpace + gap, right.width(), right.height() - tableSpace - gap),
                   indexChart(view), type);
    paintNote(painter, QRectF(inner.left(), inner.bottom() - noteSpace, inner.width(), noteSpace), note, type);
}

QString describeWorldPyramids(const WorldPyramidsView &view)
{
    QStringList parts;
    for (const WorldPyramidsView::Side &side : view.sides) {
        const PyramidFigures f = figuresOf(side.country->pyramidAt(side.year));
        parts << QStringLiteral("%1, %2, %3: %4 milioni di abitanti; 0-14 anni %5 %, 15-64 anni %6 %, 65 anni e più %7 %; "
                                "indice di dipendenza %8; indice di vecchiaia %9.")
                     .arg(side.country->name)
                     .arg(wholeYear(side.year))
                     .arg(yearKind(side.year), oneDecimal(f.total / 1000), oneDecimal(f.youngShare), oneDecimal(f.adultShare),
                          oneDecimal(f.oldShare), oneDecimal(f.dependencyRatio), oneDecimal(f.oldAgeIndex));
    }
    return parts.join(u' ');
}

} // namespace censaria::populations
