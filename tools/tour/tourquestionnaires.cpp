#include "screenkit/forms.h"
#include "questionnaires/questionnairescreen.h"
#include "tour.h"

#include <QAbstractButton>
#include <QCheckBox>

namespace censaria::tour {
namespace {

// Ticks the given rows: the right box, except on the rows listed as wrong.
void answer(QuestionnaireScreen *screen, const QList<int> &rows, const QList<int> &wrongRows)
{
    const QList<QCheckBox *> vero = screen->findChildren<QCheckBox *>(QStringLiteral("Check1"));
    const QList<QCheckBox *> falso = screen->findChildren<QCheckBox *>(QStringLiteral("Check2"));
    for (int row : rows) {
        const bool tickVero = screen->session().key(row) != wrongRows.contains(row);
        (tickVero ? vero : falso)[row]->click();
    }
}

void tourQuestionnaires(Tour &tour)
{
    TestProgram &program = tour.program();
    program.module().navigation().show(forms::menu);
    program.dialogs().queueAnswer(QStringLiteral("Verdi Chiara"));
    program.control<QAbstractButton>(forms::menu, QStringLiteral("Cmdquestionari"))->click();
    tour.save(QStringLiteral("questionnaire-empty"), forms::questionnaire);

    auto *screen = static_cast<QuestionnaireScreen *>(program.screen(forms::questionnaire));
    auto *result = program.control<QAbstractButton>(forms::questionnaire, QStringLiteral("CMDRISULT"));
    screen->loadTopic(QStringLiteral("QStoria4"));
    tour.save(QStringLiteral("questionnaire-loaded"), screen);

    const QList<int> wrong{1, 4, 8};
    answer(screen, {0, 1, 2, 3, 4, 5, 7, 8, 9}, wrong);
    result->click();
    tour.saveLastMessage(QStringLiteral("questionnaire-incomplete"), screen);

    answer(screen, {6}, wrong);
    result->click();
    tour.save(QStringLiteral("questionnaire-scored"), screen);

    screen->loadTopic(QStringLiteral("Qfamtrad"));
    tour.save(QStringLiteral("questionnaire-families"), screen);
    screen->hide();
}

const bool registered = addTourStep(40, "questionnaires", &tourQuestionnaires);

} // namespace
} // namespace censaria::tour
