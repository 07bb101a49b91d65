#pragma once

#include <QString>

namespace censaria {

class Module;
class Screen;

// Implemented by the lesson screen: shows one lesson page and makes it the screen key.
class LessonPages
{
public:
    virtual ~LessonPages() = default;
    virtual void showLessonPage(const QString &pageKey) = 0;
};

// Implemented by the questionnaire screen: loads a topic by its loader's name
// ("QStoria1" ... "Qfamtrad"), so lessons and families need not know the screen.
class QuestionnaireTopics
{
public:
    virtual ~QuestionnaireTopics() = default;
    virtual void loadTopic(const QString &loaderName) = 0;
};

// Implemented by a screen that asks something before it opens (the register asks
// the teacher's password): false keeps it closed.
class GuardedScreen
{
public:
    virtual ~GuardedScreen() = default;
    virtual bool admit() = 0;
};

// The navigation rules every screen shares.
class Navigation
{
public:
    explicit Navigation(Module &module);

    // Shows a form (creating it on first use); nullptr if the program has no such form.
    Screen *show(const QString &formName);
    // Shows the lesson screen on a page; false while the program has no lesson screen.
    bool showLessonPage(const QString &pageKey);
    // Shows the questionnaire screen and loads a topic; false while there is no such screen.
    bool showQuestionnaire(const QString &loaderName);

    // The back button: returns to the screen or lesson page named by chiamante.
    void back(Screen *from);
    // Shows the main menu, then hides the screen the button is on.
    void toMenu(Screen *from);
    // chiamante := the opening screen; refresh the results screen, show it, hide the opener.
    void openResults(Screen *from);
    // Opens a screen over from, hiding from, once the screen admits the user. The
    // screen key is left alone, so that from's own back button still works afterwards.
    void openGuarded(Screen *from, const QString &formName);

private:
    void showMenuIfNothingVisible();
    Module &module_;
};

} // namespace censaria
