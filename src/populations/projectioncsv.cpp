#include "projectioncsv.h"

#include "platform/numbers.h"

#include <cmath>

namespace censaria::populations {
namespace {

// A number as typed: a decimal point or a comma, an optional sign; nullopt otherwise.
std::optional<double> readNumber(QString text)
{
    text.replace(u',', u'.');
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// Labels a spreadsheet keeps as text ("5-9" alone would become a date).
QString ageText(int group)
{
    return group == ageGroupCount - 1 ? QStringLiteral("100 anni e più") : ageGroupLabel(group) + QStringLiteral(" anni");
}

QString leversText(const Levers &levers)
{
    if (levers.isUnAssumption())
        return QStringLiteral("ipotesi dell'ONU (variante media)");
    QStringList parts;
    parts << (levers.childrenPerWoman ? QStringLiteral("figli per donna %1").arg(numbers::toText(*levers.childrenPerWoman))
                                      : QStringLiteral("figli per donna come l'ONU"));
    parts << (levers.lifeExpectancyChange != 0
                  ? QStringLiteral("speranza di vita %1%2 anni rispetto all'ONU")
                        .arg(levers.lifeExpectancyChange > 0 ? QStringLiteral("+") : QString(), numbers::toText(levers.lifeExpectancyChange))
                  : QStringLiteral("speranza di vita come l'ONU"));
    parts << (levers.netMigrantsPerYear ? QStringLiteral("saldo migratorio %1 persone all'anno")
                                              .arg(numbers::groupedText(qint64(std::llround(*levers.netMigrantsPerYear))))
                                        : QStringLiteral("saldo migratorio come l'ONU"));
    return QStringLiteral("ipotesi: %1").arg(parts.join(QStringLiteral(", ")));
}

} // namespace

QString projectionUsage()
{
    return QStringLiteral("Uso: projection PAESE ANNO [children-per-woman=X] [life-expectancy=+Y] [migrants=Z]\n"
                          "  PAESE: Italia, Francia, Germania, Giappone, India, Niger, Nigeria (o il codice dell'ONU)\n"
                          "  ANNO: dal 2020 al 2100\n"
                          "  X: figli per donna, da 0,8 a 7; Y: anni di speranza di vita in più o in meno rispetto all'ONU, "
                          "fino a 10; Z: saldo migratorio, persone all'anno");
}

ProjectionRequest readProjectionRequest(const WorldData &data, const QStringList &arguments)
{
    ProjectionRequest request;
    if (!data.isValid()) {
        request.problem = data.problem();
        return request;
    }
    if (arguments.size() < 2) {
        request.problem = projectionUsage();
        return request;
    }
    request.country = data.find(arguments[0]);
    if (!request.country) {
        request.problem = QStringLiteral("Non conosco il paese \"%1\".\n%2").arg(arguments[0], projectionUsage());
        return request;
    }
    bool ok = false;
    request.year = arguments[1].toInt(&ok);
    if (!ok || request.year < lastEstimateYear || request.year > lastYear) {
        request.problem = QStringLiteral("L'anno deve essere un numero intero dal %1 al %2, non \"%3\".")
                              .arg(lastEstimateYear)
                              .arg(lastYear)
                              .arg(arguments[1]);
        return request;
    }
    for (const QString &argument : arguments.mid(2)) {
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = argument.left(equals);
        const std::optional<double> value = equals > 0 ? readNumber(argument.mid(equals + 1)) : std::nullopt;
        if (!value) {
            request.problem = QStringLiteral("Non capisco \"%1\": dopo il segno = ci vuole un numero.\n%2").arg(argument, projectionUsage());
            return request;
        }
        if (name == QLatin1String("children-per-woman"))
            request.levers.childrenPerWoman = value;
        else if (name == QLatin1String("life-expectancy"))
            request.levers.lifeExpectancyChange = *value;
        else if (name == QLatin1String("migrants"))
            request.levers.netMigrantsPerYear = value;
        else {
            request.problem = QStringLiteral("Non conosco la leva \"%1\".\n%2").arg(name, projectionUsage());
            return request;
        }
    }
    request.problem = leverProblem(*request.country, request.levers);
    return request;
}

QByteArray pyramidCsv(const Pyramid &pyramid, const ProjectionRequest &request)
{
    QString csv = QStringLiteral("età;maschi;femmine\r\n");
    for (int g = 0; g < ageGroupCount; ++g)
        csv += QStringLiteral("%1;%2;%3\r\n")
                   .arg(ageText(g))
                   .arg(std::llround(pyramid.males[g] * 1000))
                   .arg(std::llround(pyramid.females[g] * 1000));
    csv += QStringLiteral("\r\n%1, %2, %3\r\n%4\r\n").arg(request.country->name).arg(request.year).arg(leversText(request.levers), sourceLine());
    return csv.toUtf8();
}

} // namespace censaria::populations
