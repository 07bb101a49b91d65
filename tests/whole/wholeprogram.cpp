#include "wholeprogram.h"

#include <QAbstractSlider>
#include <QAction>
#include <QComboBox>
#include <QRegularExpression>

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

} // namespace

bool press(TestProgram &program, const QString &text)
{
    const std::optional<Step> step = parse(text);
    if (!step)
        return refuse(text, "not a step");
    const Screen *screen = program.module().screens().existing(step->form);
    if (!screen || !screen->isVisible())
        return refuse(text, "the form is not on screen");

    if (const QList<QComboBox *> lists = named<QComboBox>(screen, *step); step->typed && lists.size() == 1) {
        const int item = lists.first()->findText(*step->typed);
        if (item < 0 || !lists.first()->isEnabled())
            return refuse(text, "no such choice in an enabled list");
        // As a pupil's choice in the open list: the choice made, then announced.
        lists.first()->setCurrentIndex(item);
        emit lists.first()->activated(item);
        emit lists.first()->textActivated(*step->typed);
        return true;
    }
    if (const QList<QAbstractSlider *> sliders = named<QAbstractSlider>(screen, *step); step->typed && sliders.size() == 1) {
        bool isNumber = false;
        const int value = step->typed->toInt(&isNumber);
        if (!isNumber || !sliders.first()->isEnabled())
            return refuse(text, "not a number for an enabled slider");
        sliders.first()->setValue(value);
        return true;
    }
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

} // namespace censaria::whole
