#include "benchscreens.h"

#include "screenkit/forms.h"
#include "screenkit/screen.h"
#include "figures.h"
#include "paintwatch.h"
#include "testsupport/censariatest.h"

#include <QAbstractButton>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>

namespace censaria::bench {
namespace {

// Every screen but the menu, with the menu button that opens it.
const QList<std::pair<QString, QString>> screensFromMenu = {
    {forms::lessons, QStringLiteral("Cmdstoria")},      {forms::simulation, QStringLiteral("Cmddinamiche")},
    {forms::families, QStringLiteral("Cmdfami")},       {forms::pyramids, QStringLiteral("Cmdpiram")},
    {forms::balances, QStringLiteral("Cmdesercizi1")},  {forms::rates, QStringLiteral("cmdesdin")},
    {forms::questionnaire, QStringLiteral("Cmdquestionari")}, {forms::results, QStringLiteral("Cmdarchivio")},
};
constexpr int laterShowings = 5;
constexpr int screenChanges = 1000;

double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return qQNaN();
    const auto match = QRegularExpression(QStringLiteral("VmRSS:\\s*(\\d+) kB")).match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toDouble() / 1024 : qQNaN();
}

class ScreenTour
{
public:
    ScreenTour() { program_.dialogs().queueAnswer(QStringLiteral("Rossi Mario")); }

    double start()
    {
        return watch_.msUntilPainted(forms::menu, [this] { program_.start(); });
    }
    double open(const QString &formName, const QString &menuButton)
    {
        auto *button = program_.control<QAbstractButton>(forms::menu, menuButton);
        return watch_.msUntilPainted(formName, [button] { button->click(); });
    }
    double backToMenu(const QString &formName)
    {
        Screen *screen = program_.module().screens().existing(formName);
        return watch_.msUntilPainted(forms::menu, [&] { program_.module().navigation().toMenu(screen); });
    }
    double turnLessonPage(const QString &pageKey)
    {
        return watch_.msUntilPainted(forms::lessons, [&] { program_.module().navigation().showLessonPage(pageKey); });
    }

private:
    TestProgram program_;
    PaintWatch watch_;
};

} // namespace

int runScreensChild()
{
    QTextStream out(stdout);
    auto print = [&out](const QString &figure, double value) { out << figure << '\t' << value << '\n'; };
    ScreenTour tour;

    print(QStringLiteral("first ") + forms::menu, tour.start());
    QList<double> menuAgain;
    for (const auto &[form, button] : screensFromMenu) {
        print(QStringLiteral("first ") + form, tour.open(form, button));
        menuAgain.append(tour.backToMenu(form));
        QList<double> again;
        for (int i = 0; i < laterShowings; ++i) {
            again.append(tour.open(form, button));
            menuAgain.append(tour.backToMenu(form));
        }
        print(QStringLiteral("later ") + form, median(again));
    }
    print(QStringLiteral("later ") + forms::menu, median(menuAgain));

    tour.open(forms::lessons, QStringLiteral("Cmdstoria"));
    QList<double> pageChanges;
    for (int round = 0; round < 3; ++round)
        for (const QString &page : forms::lessonPages)
            pageChanges.append(tour.turnLessonPage(page));
    tour.backToMenu(forms::lessons);
    print(QStringLiteral("page change"), median(pageChanges));

    const double visited = residentMiB();
    print(QStringLiteral("resident"), visited);
    for (int change = 0; change < screenChanges; change += 2) {
        const auto &[form, button] = screensFromMenu[(change / 2) % screensFromMenu.size()];
        tour.open(form, button);
        tour.backToMenu(form);
    }
    print(QStringLiteral("growth"), residentMiB() - visited);
    return 0;
}

void benchScreens(Report &report, const QString &self, int runs)
{
    QMap<QString, QList<double>> samples;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(self, {QStringLiteral("--screens-child")});
        if (!child.waitForFinished(300000) || child.exitCode() != 0) {
            report.addLimit(QStringLiteral("screens: the child run FAILED"), qInf(), QStringLiteral("ms"), 1);
            return;
        }
        for (const QString &line : QString::fromUtf8(child.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList parts = line.split(u'\t');
            samples[parts.value(0)].append(parts.value(1).toDouble());
        }
    }
    // A showing that never painted counts as a miss, not as a fast one.
    auto value = [&](const QString &figure) {
        const QList<double> &s = samples[figure];
        return s.isEmpty() || std::any_of(s.begin(), s.end(), [](double v) { return qIsInf(v); }) ? qInf() : median(s);
    };
    QStringList forms{forms::menu};
    for (const auto &entry : screensFromMenu)
        forms.append(entry.first);
    for (const QString &form : forms)
        report.addLimit(QStringLiteral("first showing of ") + form, value(QStringLiteral("first ") + form), QStringLiteral("ms"), 60);
    for (const QString &form : forms)
        report.addLimit(QStringLiteral("later showing of ") + form, value(QStringLiteral("later ") + form), QStringLiteral("ms"), 5);
    report.addLimit(QStringLiteral("lesson page change"), value(QStringLiteral("page change")), QStringLiteral("ms"), 20);
    report.addLimit(QStringLiteral("resident size after every screen"), value(QStringLiteral("resident")), QStringLiteral("MiB"), 120);
    report.addLimit(QStringLiteral("growth over %1 screen changes").arg(screenChanges), value(QStringLiteral("growth")),
                    QStringLiteral("MiB"), 2);
}

} // namespace censaria::bench
