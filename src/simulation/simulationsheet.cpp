#include "simulationsheet.h"

#include "growthgraph.h"
#include "growthsimulation.h"
#include "platform/numbers.h"

namespace censaria {
namespace {

QString cell(const QString &text, bool bold = false)
{
    return QStringLiteral("<td align=\"right\">%1%2%3</td>")
        .arg(bold ? QStringLiteral("<b>") : QString(), text, bold ? QStringLiteral("</b>") : QString());
}

QString rate(double perThousand)
{
    return numbers::toText(perThousand);
}

} // namespace

SimulationSheet::SimulationSheet(const GrowthSimulation &simulation)
    : Worksheet(QStringLiteral("Simulazione di eventi demografici"))
{
    const QList<ComputedYear> &years = simulation.history();
    const QList<qint32> series = years.isEmpty() ? QList<qint32>() : simulation.shownSeries();
    if (years.isEmpty()) {
        addHtml(QStringLiteral("<p>Non è stato ancora calcolato nessun anno: inserisci i dati e clicca su 'Calcola andamento'.</p>"));
        return;
    }
    addHtml(QStringLiteral("<p>Dall'anno <b>%1</b>, con <b>%2</b> abitanti, fino all'anno <b>%3</b>, con <b>%4</b> abitanti "
                           "(%5).</p>")
                .arg(simulation.firstYear())
                .arg(numbers::toText(simulation.popiniziale()))
                .arg(years.last().year)
                .arg(numbers::toText(years.last().population), computedYearsText(int(years.size()))));
    const GraphScale scale = simulation.graphScale();
    addFigure(
        [series, scale](QPainter &painter, const QRectF &area) {
            paintGrowthGraph(painter, area, QStringLiteral("Grafico dell'andamento demografico"), series, scale);
        },
        0.42);
    QString table = QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" style=\"border-color: #6b6b6b;\">"
                                   "<thead><tr style=\"background-color: #e6dcc6; font-weight: bold;\"><td width=\"9%\">Anno</td>"
                                   "<td width=\"12%\" align=\"right\">Natalità ‰</td><td width=\"13%\" align=\"right\">Mortalità ‰</td>"
                                   "<td width=\"15%\" align=\"right\">Nati</td><td width=\"15%\" align=\"right\">Morti</td>"
                                   "<td width=\"16%\" align=\"right\">Saldo naturale</td><td width=\"20%\" align=\"right\">Popolazione</td>"
                                   "</tr></thead>");
    table += QStringLiteral("<tr><td>%1</td><td></td><td></td><td></td><td></td><td></td>%2</tr>")
                 .arg(simulation.firstYear())
                 .arg(cell(numbers::toText(simulation.popiniziale()), true));
    for (const ComputedYear &year : years)
        table += QStringLiteral("<tr><td>%1</td>").arg(year.year) + cell(rate(year.birthRate)) + cell(rate(year.deathRate))
                 + cell(numbers::toText(year.births)) + cell(numbers::toText(year.deaths)) + cell(numbers::toText(year.balance))
                 + cell(numbers::toText(year.population), true) + QStringLiteral("</tr>");
    addHtml(heading(QStringLiteral("Anno per anno")) + table + QStringLiteral("</table>"));
}

} // namespace censaria
