#pragma once

#include <QList>
#include <QString>

namespace censaria {

// Where a page's destination button leads.
struct LessonDestination
{
    enum class Kind { Nothing, Questionnaire, Screen };
    Kind kind = Kind::Nothing;
    QString target; // a questionnaire topic loader ("QStoria1") or a form name ("Fesercizi")
};

// One lesson page: what its loader puts on the lesson screen.
struct LessonTopic
{
    QString key;    // the loader's name, also the screen key it stores
    int pagina = 0; // place in the paging sequence, 1 to 11; 0 for the in-depth page
    QString title;
    QString lessonFile; // program path, as the program writes it
    QString picture;    // program path; empty when the page keeps the picture shown
    QString destinationCaption;
    LessonDestination destination;
    // A second place the page leads to, on a button beside the first; most pages have none.
    QString otherCaption{};
    LessonDestination otherDestination{};

    bool inSequence() const { return pagina > 0; }
};

// The lesson pages, the eleven of the sequence in order, then the in-depth pages.
const QList<LessonTopic> &lessonTopics();
// The page of that key (compared exactly); nullptr for any other text.
const LessonTopic *lessonTopic(const QString &key);
// The key of the sequence page with that number; empty when there is none.
QString lessonPageAt(int pagina);
int lessonPageCount();

// The lesson screen's menu bar: first-level menus with their entries.
struct LessonMenuEntry
{
    QString name; // objectName of the menu entry
    QString caption;
    QString page;
};
struct LessonMenu
{
    QString name;
    QString caption;
    QList<LessonMenuEntry> entries; // empty: the first-level entry opens page itself
    QString page;
};
const QList<LessonMenu> &lessonMenus();

} // namespace censaria
