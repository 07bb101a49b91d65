#include "registercsv.h"

#include "registermodel.h"

#include <QSaveFile>

namespace censaria::classregister {
namespace {

const QString separator = QStringLiteral(";");

QString csvWhen(const TopicResult &result)
{
    if (!result.done || !result.date.isValid())
        return {};
    return result.date.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" ") + result.time.toString(QStringLiteral("HH:mm"));
}

QStringList headings()
{
    QStringList cells{QStringLiteral("Alunno")};
    for (int topic = 0; topic < topicCount; ++topic) {
        const QString name = topicName(topic);
        if (isExercise(topic))
            cells << name + QStringLiteral(" - giusti") << name + QStringLiteral(" - sbagli") << name + QStringLiteral(" - %");
        else
            cells << name + QStringLiteral(" - giusti su 10");
        cells << name + QStringLiteral(" - data");
    }
    cells << QStringLiteral("Media su 10");
    return cells;
}

QStringList pupilCells(const PupilRecord &record)
{
    QStringList cells{csvText(record.name)};
    for (int topic = 0; topic < topicCount; ++topic) {
        const TopicResult &result = record.topics[topic];
        const auto number = [&](int value) { return result.done ? QString::number(value) : QString(); };
        cells << number(result.right);
        if (isExercise(topic))
            cells << number(result.wrong) << number(result.percent);
        cells << csvWhen(result);
    }
    const std::optional<double> average = record.average();
    cells << (average ? decimal(*average) : QString());
    return cells;
}

} // namespace

QString csvText(const QString &text)
{
    QString cell = text;
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!cell.isEmpty() && formulaStarts.contains(cell.front()))
        cell.prepend(u'\'');
    if (cell.contains(u';') || cell.contains(u'"') || cell.contains(u'\n') || cell.contains(u'\r')) {
        cell.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        cell = u'"' + cell + u'"';
    }
    return cell;
}

QByteArray registerCsv(const RegisterModel &model, const QList<int> &rows)
{
    QString text;
    text.reserve(qsizetype(rows.size() + 1) * 160);
    const QString lineEnd = QStringLiteral("\r\n");
    QStringList head;
    for (const QString &heading : headings())
        head << csvText(heading);
    text += head.join(separator) + lineEnd;
    for (const int row : rows)
        text += pupilCells(model.record(row)).join(separator) + lineEnd;
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

bool writeFileAtomically(const QString &fileName, const QByteArray &bytes, QString *error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace censaria::classregister
