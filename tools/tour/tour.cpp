#include "tour.h"

#include "platform/qtplatform.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QStyleHints>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace censaria::tour {

std::unique_ptr<QWidget> paperPage(const QString &pdf, int page)
{
    const QString stem = QFileInfo(pdf).path() + QStringLiteral("/pagina-stampata");
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"), QStringLiteral("-f"), QString::number(page),
                       QStringLiteral("-l"), QString::number(page), QStringLiteral("-singlefile"), pdf, stem});
    auto shown = std::make_unique<QLabel>();
    const QPixmap paper(stem + QStringLiteral(".png"));
    shown->setPixmap(paper);
    shown->resize(paper.size());
    return shown;
}
namespace {

// A picture shows a widget at rest, as a pupil sees it a moment later: whatever still
// moves (the check button's pulse) is taken to its end, not caught halfway at a moment
// that depends on the machine's speed.
void finishAnimations(QWidget *widget)
{
    for (QAbstractAnimation *animation : widget->findChildren<QAbstractAnimation *>())
        if (animation->state() == QAbstractAnimation::Running && animation->totalDuration() >= 0)
            animation->setCurrentTime(animation->totalDuration());
}

struct RegisteredStep
{
    int rank;
    const char *name;
    TourStep step;
};

std::vector<RegisteredStep> &steps()
{
    static std::vector<RegisteredStep> all;
    return all;
}

} // namespace

bool addTourStep(int rank, const char *name, TourStep step)
{
    steps().push_back({rank, name, step});
    return true;
}

void runTourSteps(Tour &tour)
{
    std::stable_sort(steps().begin(), steps().end(), [](const auto &a, const auto &b) { return a.rank < b.rank; });
    for (const RegisteredStep &s : steps())
        s.step(tour);
}

Tour::Tour(const QString &outputFolder, const QSize &display)
    : output_(outputFolder)
    , program_(std::make_unique<TestProgram>())
{
    output_.mkpath(QStringLiteral("."));
    program_->display().displaySize = display;
    // A text cursor that does not blink is shown in every picture, not in some.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
}

void Tour::save(const QString &name, QWidget *screen, QWidget *dialog)
{
    finishAnimations(screen);
    QApplication::processEvents();
    QPixmap shot = screen->grab();
    if (dialog) {
        dialog->adjustSize();
        const QPixmap box = dialog->grab();
        QPainter painter(&shot);
        painter.fillRect(shot.rect(), QColor(0, 0, 0, 60));
        painter.drawPixmap((shot.width() - box.width()) / 2, (shot.height() - box.height()) / 2, box);
    }
    const QString file = output_.filePath(QStringLiteral("%1-%2.png").arg(++count_, 2, 10, QLatin1Char('0')).arg(name));
    shot.save(file);
}

void Tour::save(const QString &name, const QString &formName)
{
    save(name, program_->screen(formName));
}

void Tour::saveMessage(const QString &name, QWidget *screen, const RecordedMessage &message)
{
    const std::unique_ptr<QMessageBox> box(QtDialogs::makeMessageBox(message.text, message.title, message.icon, nullptr));
    box->show(); // a message box takes its final size when shown
    save(name, screen, box.get());
}

void Tour::saveLastMessage(const QString &name, QWidget *screen)
{
    saveMessage(name, screen, program_->dialogs().messages.constLast());
}

} // namespace censaria::tour
