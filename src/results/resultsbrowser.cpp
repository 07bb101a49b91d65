#include "resultsbrowser.h"

#include "screenkit/forms.h"
#include "screenkit/module.h"
#include "screenkit/pupilname.h"
#include "platform/removablemedia.h"
#include "archive/resultformat.h"
#include "archive/resultsexport.h"
#include "archive/resultsreport.h"
#include "archive/resulttopics.h"

#include <QFileInfo>

namespace censaria {
namespace {

const QString currentPupilMark = QStringLiteral("mionome");
const QString lookedUpMark = QStringLiteral("nomebis");

// A folder chosen by hand may be the data folder itself: its exportcensa.mdb is the
// empty archive every new medium gets a copy of, and must stay empty.
bool collectsIntoTheEmptyArchive(const DataPaths &paths)
{
    const QString empty = QFileInfo(paths.resolve(QStringLiteral("perCensaria\\exportcensa.mdb"))).canonicalFilePath();
    return !empty.isEmpty() && QFileInfo(paths.resolve(QStringLiteral("A:\\exportcensa.mdb"))).canonicalFilePath() == empty;
}

ResultsBrowser::GridTexts emptyQuestionnaireGrid()
{
    ResultsBrowser::GridTexts grid{{QStringLiteral("argomento"), QStringLiteral("su 10"), QStringLiteral("Quando")}};
    for (const resulttopics::Questionnaire &topic : resulttopics::questionnaires)
        grid.append({topic.label, QString(), QString()});
    return grid;
}

ResultsBrowser::GridTexts emptyExerciseGrid()
{
    ResultsBrowser::GridTexts grid{
        {QStringLiteral("Argomento"), QStringLiteral("Giusti"), QStringLiteral("Errori"), QStringLiteral("%"), QStringLiteral("Quando")}};
    for (const resulttopics::Exercise &topic : resulttopics::exercises)
        grid.append({topic.gridLabel, QString(), QString(), QString(), QString()});
    return grid;
}

} // namespace

ResultsBrowser::ResultsBrowser(Module &module, QObject *screen)
    : module_(module)
    , gate_(module)
    , login_(module, screen)
    , questionnaireGrid_(emptyQuestionnaireGrid())
    , exerciseGrid_(emptyExerciseGrid())
{
    // What the teacher looked up is not left for the next pupil.
    connect(&login_, &ServerLogin::forgotten, this, &ResultsBrowser::clearGrids);
}

Archive *ResultsBrowser::source(bool ask)
{
    if (!login_.needed())
        return &module_.dbrisultati();
    return ask ? login_.archive() : login_.openArchive();
}

void ResultsBrowser::clearGrids()
{
    questionnaireGrid_ = emptyQuestionnaireGrid();
    exerciseGrid_ = emptyExerciseGrid();
    setShownName(QString());
}

void ResultsBrowser::setShownName(const QString &name)
{
    shownName_ = name;
    emit changed();
}

void ResultsBrowser::refresh()
{
    gate_.close();
    nomecercato_.clear();
    module_.ensurePupilName();
    setShownName(module_.nomealunno);
    if (!source(false)) {
        // The classroom PCs cannot read the server, and a name is only typed: nobody's
        // marks are shown without the teacher, the pupil's own included.
        clearGrids();
        setShownName(module_.nomealunno);
        module_.message(QStringLiteral("I risultati sono sul server della scuola: si vedono solo con la password dell'insegnante.\n\n"
                                       "L'insegnante scrive il cognome e il nome dell'alunno e preme «OK, ho fatto»."),
                        MessageIcon::Information);
        return;
    }
    const bool questionnaires = Questionari();
    const bool exercises = esercizi();
    showWhoseRows(questionnaires || exercises, module_.nomealunno);
}

void ResultsBrowser::leave()
{
    gate_.close();
    if (nomemostrato_ != lookedUpMark || nomecercato_ == module_.nomealunno || !gate_.guards())
        return;
    nomecercato_.clear();
    fill(questionnaireGrid_, Kind::Questionnaires, nullptr);
    fill(exerciseGrid_, Kind::Exercises, nullptr);
    setShownName(QString());
}

bool ResultsBrowser::Questionari()
{
    return load(Kind::Questionnaires, Whose::CurrentPupil);
}
bool ResultsBrowser::esercizi()
{
    return load(Kind::Exercises, Whose::CurrentPupil);
}
bool ResultsBrowser::RicercaQUEST()
{
    return load(Kind::Questionnaires, Whose::LookedUp);
}
bool ResultsBrowser::RicercaESER()
{
    return load(Kind::Exercises, Whose::LookedUp);
}

// Each loader clears the title: found in one table is enough for it to name the pupil.
void ResultsBrowser::showWhoseRows(bool found, const QString &name)
{
    if (found)
        setShownName(name);
}

bool ResultsBrowser::load(Kind kind, Whose whose)
{
    setShownName(QString());
    if (whose == Whose::CurrentPupil)
        module_.ensurePupilName();
    const QString name = whose == Whose::CurrentPupil ? module_.nomealunno : nomecercato_;
    const bool questionnaires = kind == Kind::Questionnaires;
    GridTexts &grid = questionnaires ? questionnaireGrid_ : exerciseGrid_;

    Archive *archive = source(false);
    if (!archive) {
        clearGrids();
        return false;
    }
    const auto row = archive->findRow(questionnaires ? resulttopics::questionnaireTable : resulttopics::exerciseTable, name);
    if (!row) {
        if (archive->serverAway())
            // Not "not found": the pupil may well be there.
            module_.message(QStringLiteral("Il server della scuola non risponde: i risultati non si possono vedere ora. Riprovate tra poco."),
                            MessageIcon::Exclamation);
        else
            module_.message(questionnaires ? QStringLiteral("Nome non trovato in 'QUESTIONARI'")
                                           : QStringLiteral("Nome non trovato in 'Esercizi'"));
        fill(grid, kind, nullptr);
        emit changed();
        return false;
    }
    nomemostrato_ = whose == Whose::CurrentPupil ? currentPupilMark : lookedUpMark;
    fill(grid, kind, &*row);
    setShownName(name);
    return true;
}

void ResultsBrowser::fill(GridTexts &grid, Kind kind, const QList<QVariant> *row)
{
    const auto value = [row](int position) { return row ? row->value(position) : QVariant(); };
    if (kind == Kind::Questionnaires) {
        grid = emptyQuestionnaireGrid();
        for (int i = 0; i < resulttopics::questionnaires.size(); ++i) {
            grid[i + 1][1] = resultformat::gridCount(value(resulttopics::questionnaires[i].countPosition));
            grid[i + 1][2] = resultformat::gridDate(value(resulttopics::questionnaires[i].datePosition));
        }
        return;
    }
    grid = emptyExerciseGrid();
    for (int i = 0; i < resulttopics::exercises.size(); ++i) {
        const int first = resulttopics::exercises[i].firstPosition;
        for (int column = 1; column < resulttopics::valuesPerExercise; ++column)
            grid[i + 1][column] = resultformat::gridCount(value(first + column - 1));
        grid[i + 1][resulttopics::valuesPerExercise] = resultformat::gridDate(value(first + resulttopics::valuesPerExercise - 1));
    }
}

bool ResultsBrowser::search(const QString &surname, const QString &firstName)
{
    const QString cognome = trimBlanks(surname.toUpper());
    const QString nome = trimBlanks(firstName.toUpper());
    if (cognome.isEmpty() && nome.isEmpty()) {
        module_.message(QStringLiteral("Non hai scritto alcun nome.."));
        return false;
    }
    const QString sought = trimBlanks(cognome + u' ' + nome).toUpper();
    if (!source(true))
        return false;
    if (sought != module_.nomealunno && !teacherAdmits(QStringLiteral("vedere i risultati di altri alunni")))
        return false;
    nomecercato_ = sought;
    const bool questionnaires = RicercaQUEST();
    const bool exercises = RicercaESER();
    showWhoseRows(questionnaires || exercises, nomecercato_);
    return true;
}

void ResultsBrowser::print()
{
    Archive *archive = source(true);
    if (!archive)
        return;
    const QString name = nomemostrato_ == lookedUpMark ? nomecercato_ : module_.nomealunno;
    if (!name.isEmpty() && name != module_.nomealunno && !teacherAdmits(QStringLiteral("stampare i risultati di altri alunni")))
        return;
    const ReportOutcome outcome = ResultsReport(*archive, *module_.platform().printer).print(name);
    if (!outcome.questionnairesFound)
        module_.message(QStringLiteral("Nome non trovato nell'archivio dei questionari"));
    if (!outcome.exercisesFound)
        module_.message(QStringLiteral("Nome non trovato in 'Esercizi'"));
    if (outcome.anythingToPrint() && !outcome.sent)
        module_.message(QStringLiteral("Non è stato possibile stampare i risultati.\n"
                                       "Controlla che ci sia una stampante installata, accesa e collegata, poi riprova."),
                        MessageIcon::Exclamation);
}

void ResultsBrowser::exportArchive()
{
    Archive *archive = source(true);
    if (!archive || !teacherAdmits(QStringLiteral("esportare i risultati di tutti gli alunni")))
        return;
    const Platform &platform = module_.platform();
    const QString medium = pickMedium(*platform.driveA, *platform.dialogs, forms::programTitle);
    if (medium.isEmpty())
        return; // the teacher cancelled the choice: nothing exported, nothing gone wrong
    const DataPaths paths = module_.paths().onMedium(medium);
    if (collectsIntoTheEmptyArchive(paths)) {
        module_.message(QStringLiteral("Questa è la cartella del programma: scegli una chiavetta o un'altra cartella."));
        return;
    }
    ResultsExport exporter(*archive, paths, *platform.files);
    const QString text = ResultsExport::message(exporter.run());
    if (!text.isEmpty())
        module_.message(text);
}

bool ResultsBrowser::teacherAdmits(const QString &what)
{
    // On a server the teacher's own login, which source() asked for, is the gate.
    if (login_.needed())
        return true;
    return gate_.admit(QStringLiteral("Solo l'insegnante può %1:\nserve la sua password, la stessa del registro.\n\n"
                                      "Password dell'insegnante:")
                           .arg(what),
                       forms::programTitle);
}

QString ResultsBrowser::helpText()
{
    return QStringLiteral("'ESPORTO' serve a raccogliere tutti i risultati degli alunni, distribuiti su diversi computer, "
                          "in un solo archivio che sarà salvato su una chiavetta USB o su una scheda di memoria.\r\n\r\n"
                          "PRIMA di esportare i dati, inserite la chiavetta (o la scheda) e aspettate che il computer "
                          "la apra. Si deve:\r\n"
                          "     1°) essere sicuri che non sia danneggiata né protetta dalla scrittura;\r\n"
                          "     2°) essere sicuri che ci sia almeno 1 MB di spazio libero.\r\n\r\n"
                          "Si raccomanda di usare una chiavetta diversa per ogni classe.\r\n\r\n"
                          "Se ci sono più chiavette, o nessuna, il programma chiede dove salvare l'archivio: "
                          "si può scegliere anche una cartella. Non togliete la chiavetta prima che l'esportazione sia finita.");
}

void ResultsBrowser::showHelp()
{
    module_.message(helpText());
}

} // namespace censaria
