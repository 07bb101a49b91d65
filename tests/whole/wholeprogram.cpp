#include "wholeprogram.h"

#include "pyramids/pyramidwidgets.h"
#include "simulation/growthgraph.h"

#include <QAction>
#include <QComboBox>
#include <QLineSeries>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextEdit>

namespace censaria::whole {
namespace {

bool refuse(const QString &step, const char *why)
{
    qWarning("cannot do \"%s\": %s", qPrintable(step), why);
    return false;
}

// "Form/control[index]=text", the index and the text being optional.
struct Step
{
    QString form;
    QString control;
    int index = -1;
    std::optional<QString> typed;
};

std::optional<Step> parse(const QString &text)
{
    static const QRegularExpression grammar(QStringLiteral("^([^/]+)/([^=\\[]+)(?:\\[(\\d+)\\])?(?:=(.*))?$"));
    const QRegularExpressionMatch match = grammar.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    Step step{match.captured(1), match.captured(2), -1, std::nullopt};
    if (match.hasCaptured(3))
        step.index = match.captured(3).toInt();
    if (match.hasCaptured(4))
        step.typed = match.captured(4);
    return step;
}

template <typename T>
QList<T *> named(const Screen *screen, const Step &step)
{
    QList<T *> found = screen->findChildren<T *>(step.control);
    if (step.index >= 0)
        found.removeIf([&step](const T *object) { return object->property("index") != step.index; });
    return found;
}

QString stateOf(const QWidget *widget, const Screen *screen)
{
    QStringList parts;
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        parts << QStringLiteral("label \"%1\"%2").arg(label->text(), label->pixmap().isNull() ? QString() : QStringLiteral(" with picture"));
    if (const auto *box = qobject_cast<const QLineEdit *>(widget))
        parts << QStringLiteral("box \"%1\" %2 %3")
                     .arg(box->text(), box->isReadOnly() ? QStringLiteral("locked") : QStringLiteral("open"),
                          box->palette().color(QPalette::Base).name());
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        parts << QStringLiteral("button \"%1\" %2 %3")
                     .arg(button->text(), button->isChecked() ? QStringLiteral("ticked") : QStringLiteral("clear"),
                          button->palette().color(button->backgroundRole()).name());
    if (const auto *text = qobject_cast<const QTextEdit *>(widget))
        parts << QStringLiteral("text %1 px wide \"%2\"").arg(text->width()).arg(text->toPlainText());
    if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        parts << QStringLiteral("list \"%1\"").arg(combo->currentText());
    if (const auto *grid = qobject_cast<const QTableWidget *>(widget)) {
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int column = 0; column < grid->columnCount(); ++column)
                if (const QTableWidgetItem *item = grid->item(row, column))
                    parts << item->text();
    }
    if (const auto *graph = qobject_cast<const GrowthGraph *>(widget)) {
        for (const QPointF &point : graph->series()->points())
            parts << QStringLiteral("(%1, %2)").arg(point.x()).arg(point.y());
    }
    if (const auto *pyramid = qobject_cast<const PyramidPicture *>(widget)) {
        for (int bar = 0; bar < PyramidPicture::barCount; ++bar)
            parts << QString::number(pyramid->barRect(bar).width());
    }
    if (parts.isEmpty())
        return QString();
    parts << (widget->isVisibleTo(screen) ? QStringLiteral("shown") : QStringLiteral("hidden"))
          << (widget->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"));
    return TestProgram::nameOf(widget) + QStringLiteral(": ") + parts.join(u' ');
}

} // namespace

bool press(TestProgram &program, const QString &text)
{
    const std::optional<Step> step = parse(text);
    if (!step)
        return refuse(text, "not a step");
    const Screen *screen = program.module().screens().existing(step->form);
    if (!screen || !screen->isVisible())
        return refuse(text, "the form is not on screen");

    if (step->typed) {
        const QList<QLineEdit *> boxes = named<QLineEdit>(screen, *step);
        if (boxes.size() != 1 || !boxes.first()->isEnabled() || boxes.first()->isReadOnly())
            return refuse(text, "no open text box of that name");
        boxes.first()->selectAll();
        QTest::keyClicks(boxes.first(), *step->typed);
        return true;
    }
    if (const QList<QAbstractButton *> buttons = named<QAbstractButton>(screen, *step); !buttons.isEmpty()) {
        for (QAbstractButton *button : buttons) {
            if (!button->isEnabled())
                return refuse(text, "the button is disabled");
            button->click();
        }
        return true;
    }
    if (const QList<ClickLabel *> labels = named<ClickLabel>(screen, *step); labels.size() == 1) {
        if (!labels.first()->isEnabled())
            return refuse(text, "the label is disabled");
        labels.first()->click();
        return true;
    }
    if (const QList<QAction *> entries = named<QAction>(screen, *step); entries.size() == 1) {
        if (!entries.first()->isEnabled())
            return refuse(text, "the menu entry is disabled");
        entries.first()->trigger();
        return true;
    }
    return refuse(text, "no control of that name");
}

bool pressAll(TestProgram &program, const QStringList &steps)
{
    for (const QString &step : steps)
        if (!press(program, step))
            return false;
    return true;
}

QStringList shown(TestProgram &program)
{
    QStringList names = program.visibleScreens();
    names.sort();
    return names;
}

QStringList describe(const Screen *screen)
{
    QStringList lines;
    for (const QWidget *widget : screen->findChildren<QWidget *>()) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(QStringLiteral("qt_")))
            continue;
        if (const QString state = stateOf(widget, screen); !state.isEmpty())
            lines << state;
    }
    return lines;
}

} // namespace censaria::whole
