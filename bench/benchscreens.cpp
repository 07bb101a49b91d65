#include "benchscreens.h"

#include "figures.h"
#include "paintwatch.h"
#include "screenkit/forms.h"
#include "screenkit/screen.h"
#include "testsupport/censariatest.h"

#include <QAbstractButton>
#include <QMap>
#include <QProcess>
#include <QTextStream>

namespace censaria::bench {
namespace {

// The screens the menu's buttons open, with the button that opens each.
const QList<std::pair<QString, QString>> screensFromMenu = {
    {forms::lessons, QStringLiteral("Cmdstoria")},
    {forms::simulation, QStringLiteral("Cmddinamiche")},
    {forms::families, QStringLiteral("Cmdfami")},
    {forms::pyramids, QStringLiteral("Cmdpiram")},
    {forms::balances, QStringLiteral("Cmdesercizi1")},
    {forms::rates, QStringLiteral("cmdesdin")},
    {forms::questionnaire, QStringLiteral("Cmdquestionari")},
    {forms::results, QStringLiteral("Cmdarchivio")},
};
const QString failedTag = QStringLiteral("FAILED");

// What could not be done, for the figures' table.
struct Failure
{
    QString why;
};

// The program driven as a pupil drives it; every step is timed up to its paint, and a
// step that cannot be taken (a control or screen not found, nothing painted) throws.
class ScreenTour
{
public:
    ScreenTour() { program_.dialogs().queueAnswer(QStringLiteral("Rossi Mario")); }

    double start()
    {
        return painted(forms::menu, [this] {
            if (!program_.start())
                throw Failure{QStringLiteral("the program did not start")};
        });
    }
    // By the menu's button when it has one, else as a pupil first meets the screen.
    double open(const QString &formName)
    {
        const QString buttonName = menuButton(formName);
        if (buttonName.isEmpty())
            return painted(formName, [&] {
                if (!program_.open(formName))
                    throw Failure{formName + QStringLiteral(" could not be opened")};
            });
        auto *button = program_.control<QAbstractButton>(forms::menu, buttonName);
        if (!button)
            throw Failure{QStringLiteral("no button %1 on %2").arg(buttonName, forms::menu)};
        return painted(formName, [button] { button->click(); });
    }
    double backToMenu(const QString &formName)
    {
        Screen *screen = program_.module().screens().existing(formName);
        if (!screen)
            throw Failure{QStringLiteral("%1 was never opened").arg(formName)};
        return painted(forms::menu, [&] { program_.module().navigation().toMenu(screen); });
    }
    double turnLessonPage(const QString &pageKey)
    {
        return painted(forms::lessons, [&] {
            if (!program_.module().navigation().showLessonPage(pageKey) || program_.module().chiamante != pageKey)
                throw Failure{QStringLiteral("no lesson page %1").arg(pageKey)};
        });
    }
    QStringList formNames() { return program_.module().screens().formNames(); }
    QStringList formsNeverShown()
    {
        QStringList names = formNames();
        for (const Screen *screen : program_.module().screens().created())
            names.removeAll(screen->formName());
        return names;
    }

private:
    static QString menuButton(const QString &formName)
    {
        for (const auto &[form, button] : screensFromMenu)
            if (form == formName)
                return button;
        return {};
    }
    double painted(const QString &formName, const std::function<void()> &action)
    {
        const double ms = watch_.msUntilPainted(formName, action);
        if (!qIsFinite(ms))
            throw Failure{formName + QStringLiteral(" was never painted")};
        return ms;
    }

    TestProgram program_;
    PaintWatch watch_;
};

void tour(ScreenTour &tour, const RunSize &size, const std::function<void(const QString &, double)> &print)
{
    print(QStringLiteral("first ") + forms::menu, tour.start());
    QList<double> menuAgain;
    for (const auto &entry : screensFromMenu) {
        const QString &form = entry.first;
        print(QStringLiteral("first ") + form, tour.open(form));
        menuAgain.append(tour.backToMenu(form));
        QList<double> again;
        for (int i = 0; i < size.times(5); ++i) {
            again.append(tour.open(form));
            menuAgain.append(tour.backToMenu(form));
        }
        print(QStringLiteral("later ") + form, median(again));
    }
    print(QStringLiteral("later ") + forms::menu, median(menuAgain));

    // The menu's button shows the first page: the turns start from the second.
    tour.open(forms::lessons);
    QList<double> pageChanges;
    for (int round = 0; round < size.times(3); ++round)
        for (qsizetype page = 1; page <= forms::lessonPages.size(); ++page)
            pageChanges.append(tour.turnLessonPage(forms::lessonPages[page % forms::lessonPages.size()]));
    tour.backToMenu(forms::lessons);
    print(QStringLiteral("page change"), median(pageChanges));

    // Every screen the program has counts, those the menu does not open too.
    for (const QString &form : tour.formsNeverShown()) {
        tour.open(form);
        tour.backToMenu(form);
    }
    if (const QStringList missing = tour.formsNeverShown(); !missing.isEmpty())
        throw Failure{QStringLiteral("never shown: ") + missing.join(QStringLiteral(", "))};
    QStringList forms = tour.formNames();
    forms.removeAll(forms::menu);
    print(QStringLiteral("screens"), forms.size() + 1);
    auto change = [&](int changes) {
        for (int done = 0; done < changes; done += 2) {
            const QString &form = forms[(done / 2) % forms.size()];
            tour.open(form);
            tour.backToMenu(form);
        }
    };
    // Some rounds first: the memory the screens free settles in the allocator's pools
    // (one whole window's pixels is kept for reuse after the first few dozen changes).
    change(size.smoke ? 2 * int(forms.size()) : 10 * int(forms.size()));
    const double settled = residentMiB();
    print(QStringLiteral("resident"), settled);
    const int changes = size.smoke ? 2 * int(forms.size()) : 1000;
    change(changes);
    print(QStringLiteral("changes"), changes);
    print(QStringLiteral("growth"), residentMiB() - settled);
}

} // namespace

int runScreensChild(const RunSize &size)
{
    QTextStream out(stdout);
    ScreenTour screens;
    try {
        tour(screens, size, [&out](const QString &figure, double value) { out << figure << '\t' << value << Qt::endl; });
    } catch (const Failure &failure) {
        out << failedTag << '\t' << failure.why << Qt::endl;
        return 1;
    }
    return 0;
}

void benchScreens(Report &report, const QString &self, const RunSize &size)
{
    QMap<QString, QList<double>> samples;
    for (int run = 0; run < size.times(5); ++run) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(self, size.smoke ? QStringList{QStringLiteral("--screens-child"), QStringLiteral("--smoke")}
                                     : QStringList{QStringLiteral("--screens-child")});
        const bool ended = child.waitForFinished(300000);
        for (const QString &line : QString::fromUtf8(child.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList parts = line.split(u'\t');
            if (parts.value(0) == failedTag) {
                report.addFailure(QStringLiteral("screens"), parts.value(1));
                return;
            }
            samples[parts.value(0)].append(parts.value(1).toDouble());
        }
        if (!ended || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
            child.kill();
            report.addFailure(QStringLiteral("screens"), QStringLiteral("the child run ended badly (%1)").arg(child.errorString()));
            return;
        }
    }
    auto value = [&](const QString &figure) { return median(samples.value(figure)); };
    QStringList forms{forms::menu};
    for (const auto &entry : screensFromMenu)
        forms.append(entry.first);
    for (const QString &form : forms)
        report.addLimit(QStringLiteral("first showing of ") + form, value(QStringLiteral("first ") + form), QStringLiteral("ms"), 60);
    for (const QString &form : forms)
        report.addLimit(QStringLiteral("later showing of ") + form, value(QStringLiteral("later ") + form), QStringLiteral("ms"), 5);
    report.addLimit(QStringLiteral("lesson page change"), value(QStringLiteral("page change")), QStringLiteral("ms"), 20);
    report.addLimit(QStringLiteral("resident size after every screen (%1 screens)").arg(value(QStringLiteral("screens"))),
                    value(QStringLiteral("resident")), QStringLiteral("MiB"), 120);
    report.addLimit(QStringLiteral("growth over %1 screen changes").arg(value(QStringLiteral("changes"))), value(QStringLiteral("growth")),
                    QStringLiteral("MiB"), 2);
}

} // namespace censaria::bench
