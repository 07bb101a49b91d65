#include "navigation.h"

#include "forms.h"
#include "module.h"
#include "screen.h"

#include <QAbstractButton>

namespace censaria {

Navigation::Navigation(Module &module)
    : module_(module)
{
}

Screen *Navigation::show(const QString &formName)
{
    Screen *screen = module_.screens().get(formName);
    if (screen)
        screen->showScreen();
    return screen;
}

bool Navigation::showLessonPage(const QString &pageKey)
{
    auto *pages = dynamic_cast<LessonPages *>(show(forms::lessons));
    if (!pages)
        return false;
    pages->showLessonPage(pageKey);
    return true;
}

bool Navigation::showQuestionnaire(const QString &loaderName)
{
    auto *topics = dynamic_cast<QuestionnaireTopics *>(show(forms::questionnaire));
    if (!topics)
        return false;
    topics->loadTopic(loaderName);
    return true;
}

void Navigation::back(Screen *from)
{
    const QString key = module_.chiamante;
    if (forms::lessonPages.contains(key))
        showLessonPage(key);
    else if (forms::backTargets.contains(key))
        show(key);
    from->hide();
    if (from->formName() == forms::results)
        module_.chiamante = forms::results;
    // A key the table does not know (or the screen's own) would leave nothing on screen.
    showMenuIfNothingVisible();
}

void Navigation::toMenu(Screen *from)
{
    show(forms::menu);
    from->hide();
}

void Navigation::openResults(Screen *from)
{
    module_.chiamante = from->formName();
    Screen *results = module_.screens().get(forms::results);
    if (!results)
        return;
    if (auto *refresh = results->findChild<QAbstractButton *>(QStringLiteral("CMDAGGIORNA")))
        refresh->click();
    results->showScreen();
    from->hide();
}

void Navigation::showMenuIfNothingVisible()
{
    for (const Screen *screen : module_.screens().created())
        if (screen->isVisible())
            return;
    show(forms::menu);
}

void Navigation::openGuarded(Screen *from, const QString &formName)
{
    Screen *screen = module_.screens().get(formName);
    if (!screen)
        return;
    if (auto *guarded = dynamic_cast<GuardedScreen *>(screen); guarded && !guarded->admit())
        return;
    screen->showScreen();
    from->hide();
}

} // namespace censaria
