#include "screenkit/forms.h"
#include "lessons/lessoncatalogue.h"
#include "tour.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>

namespace censaria::tour {

namespace {

QString dataFile(Tour &tour, const QString &programPath)
{
    return QDir(tour.program().programFolder()).filePath(QStringLiteral("perCensaria/") + programPath.section(u'\\', -1));
}

// Until the lesson texts are installed, the tour shows each page with a short text of its own.
void writeSampleLesson(Tour &tour, const LessonTopic &topic)
{
    QFile file(dataFile(tour, topic.lessonFile));
    if (file.exists() || !file.open(QIODevice::WriteOnly))
        return;
    const QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs22 " + topic.title.toLatin1()
                           + "\\par\\par La demografia studia la popolazione: quante persone vivono in un luogo, "
                             "quanti bambini nascono, quante persone muoiono, quante arrivano e quante partono. "
                             "\\par\\par In questa pagina trovi le parole chiave dell'argomento, alcuni esempi con i numeri "
                             "e una figura da osservare con attenzione. Leggi il testo, guarda la figura e poi "
                             "mettiti alla prova con il pulsante in basso a destra.\\par}";
    file.write(rtf);
}

void tourLessons(Tour &tour)
{
    TestProgram &program = tour.program();
    for (const LessonTopic &topic : lessonTopics())
        writeSampleLesson(tour, topic);

    program.module().navigation().show(forms::menu);
    program.control<QPushButton>(forms::menu, QStringLiteral("Cmdstoria"))->click();
    tour.save(QStringLiteral("lesson-Storia1"), forms::lessons);
    for (int page = 2; page <= lessonPageCount(); ++page) {
        program.control<QPushButton>(forms::lessons, QStringLiteral("CmdAVANTI"))->click();
        tour.save(QStringLiteral("lesson-") + program.module().chiamante, forms::lessons);
    }
    program.control<QAction>(forms::lessons, QStringLiteral("popmontenovo"))->trigger();
    tour.save(QStringLiteral("lesson-Montenovo"), forms::lessons);

    // A page whose text and picture are missing still opens, with a note in their place.
    const LessonTopic *densita = lessonTopic(QStringLiteral("Densità1"));
    const QString text = dataFile(tour, densita->lessonFile);
    const QString picture = dataFile(tour, densita->picture);
    QFile::rename(text, text + QStringLiteral(".bak"));
    QFile::rename(picture, picture + QStringLiteral(".bak"));
    program.control<QAction>(forms::lessons, QStringLiteral("densitàcalcolo"))->trigger();
    tour.save(QStringLiteral("lesson-missing-files"), forms::lessons);
    QFile::rename(text + QStringLiteral(".bak"), text);
    QFile::rename(picture + QStringLiteral(".bak"), picture);

    program.control<QPushButton>(forms::lessons, QStringLiteral("Cmdmenù"))->click();
}

const bool registered = addTourStep(30, "lessons", &tourLessons);

} // namespace
} // namespace censaria::tour
