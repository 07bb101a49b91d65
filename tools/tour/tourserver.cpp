// With CENSARIA_TOUR_SERVER naming the settings file of a (throwaway) server archive,
// the results screen of a PC on it, as a pupil finds it and as the teacher reads the
// whole school from it, and the messages of a PC whose server does not answer.
// scripts/test gives it one (tests/server/pgcluster, with the teachers' password in
// insegnante.password beside the settings).
#include "screenkit/clicklabel.h"
#include "screenkit/forms.h"
#include "archive/archive.h"
#include "tour.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

namespace censaria::tour {
namespace {

// A classroom PC whose perCensaria holds the given settings.
std::unique_ptr<TestProgram> pcWith(const QString &settings, const QString &folder, const QSize &display)
{
    TestProgram::makeProgramFolder(folder);
    QFile::copy(settings, folder + QStringLiteral("/perCensaria/censaria.ini"));
    auto pc = std::make_unique<TestProgram>(folder);
    pc->display().displaySize = display;
    return pc;
}

void tourServer(Tour &tour)
{
    const QString settings = qEnvironmentVariable("CENSARIA_TOUR_SERVER");
    if (settings.isEmpty())
        return;
    const QSize display = tour.program().display().displaySize;
    QTemporaryDir temp;

    // Two other PCs of the school have recorded their pupils.
    Archive school(loadArchiveSettings({settings}), QString());
    if (school.open() != ArchiveProblem::None)
        qFatal("the tour's server cannot be used: %s", qPrintable(school.lastError()));
    const QDateTime monday(QDate(2026, 3, 9), QTime(9, 10));
    school.writeResult(QStringLiteral("questionari"), QStringLiteral("ESPOSITO LUCA"), {{2, 9}, {3, monday}, {4, 7}, {5, monday.addSecs(900)}});
    school.writeResult(QStringLiteral("esercizi"), QStringLiteral("ESPOSITO LUCA"), {{2, 6}, {3, 1}, {4, 86}, {5, monday.addDays(1)}});
    school.writeResult(QStringLiteral("questionari"), QStringLiteral("RUSSO CHIARA"), {{14, 10}, {15, monday.addDays(2)}});

    // This PC records one more and opens the results screen: its pupils see nobody's marks.
    auto pc = pcWith(settings, temp.filePath(QStringLiteral("pc")), display);
    if (!pc->start())
        qFatal("the PC on the tour's server did not start: %s", qPrintable(pc->dialogs().messageTexts().join(u'\n')));
    pc->clock().time = monday.addDays(3);
    pc->dialogs().queueAnswer(QStringLiteral("Ferrari Sofia"));
    pc->module().recordResult(QStringLiteral("questionari"), {{20, 8}}, 21);
    pc->dialogs().queueAnswer(QStringLiteral("Esposito Luca"));
    pc->module().nomealunno.clear();
    pc->control<QPushButton>(forms::menu, QStringLiteral("Cmdarchivio"))->click();
    tour.saveMessage(QStringLiteral("server-results-pupil"), pc->screen(forms::results), pc->dialogs().messages.value(0));
    tour.save(QStringLiteral("server-results"), pc->screen(forms::results));
    // The teacher types a name and the teachers' password: the whole school is there.
    QFile teacherPassword(QFileInfo(settings).path() + QStringLiteral("/insegnante.password"));
    if (!teacherPassword.open(QIODevice::ReadOnly))
        qFatal("the tour's server has no teachers' password beside %s", qPrintable(settings));
    const QString password = QString::fromUtf8(teacherPassword.readAll()).trimmed();
    pc->dialogs().passwords = {password, password};
    pc->control<QLineEdit>(forms::results, QStringLiteral("Text2"))->setText(QStringLiteral("russo"));
    pc->control<QLineEdit>(forms::results, QStringLiteral("Text1"))->setText(QStringLiteral("chiara"));
    pc->control<ClickLabel>(forms::results, QStringLiteral("LabCERCA"))->click();
    tour.save(QStringLiteral("server-results-search"), pc->screen(forms::results));
    // The teacher's register of the same PC: every pupil of the school, from the server.
    pc->control<ClickLabel>(forms::results, QStringLiteral("LabREGISTRO"))->click();
    tour.save(QStringLiteral("server-register"), pc->screen(forms::classRegister));

    // A PC whose server does not answer: it starts all the same, and keeps the results.
    QSettings away(temp.filePath(QStringLiteral("away.ini")), QSettings::IniFormat);
    for (const QString &key : QSettings(settings, QSettings::IniFormat).allKeys())
        away.setValue(key, QSettings(settings, QSettings::IniFormat).value(key));
    away.setValue(QStringLiteral("archivio/port"), 1);
    away.sync();
    auto offline = pcWith(away.fileName(), temp.filePath(QStringLiteral("offline")), display);
    offline->start();
    tour.saveMessage(QStringLiteral("server-unreachable"), offline->screen(forms::menu), offline->dialogs().messages.value(0));
    offline->module().nomealunno = QStringLiteral("FERRARI SOFIA");
    offline->module().recordResult(QStringLiteral("questionari"), {{2, 6}}, 3);
    tour.saveMessage(QStringLiteral("server-queued"), offline->screen(forms::menu), offline->dialogs().messages.value(1));
}

const bool registered = addTourStep(90, "server", &tourServer);

} // namespace
} // namespace censaria::tour
