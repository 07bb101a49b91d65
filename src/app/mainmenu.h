#pragma once

#include "screenkit/screen.h"

class QLabel;
namespace censaria { class ClickLabel; }
class QListWidget;
class QPushButton;

namespace censaria {

// The main menu: three columns of buttons (Studiare, Osservare, Operare), the
// archive and exit buttons, and the list of the names held in the archive.
class MainMenu : public Screen
{
    Q_OBJECT
public:
    explicit MainMenu(Module &module);

protected:
    // The menu is where every road starts: Esc only hides the names list.
    void escape() override;

private:
    void addTypeSizeChoice();
    void showTypeSize();

    // Button actions
    void openStoria() { openLesson(QStringLiteral("Storia1")); }
    void openCalcoli() { openLesson(QStringLiteral("Statistica1")); }
    void openDensita() { openLesson(QStringLiteral("Densità1")); }
    void openPiramideLesson() { openLesson(QStringLiteral("Piramidi1")); }
    void openItalia() { openLesson(QStringLiteral("Italia")); }
    void openSimulation();
    void openFamilies();
    void openPyramids();
    void openWorldPyramids();
    void openPopulationFuture();
    void openBalances();
    void openRates();
    void openQuestionnaires();
    void openArchive();
    void exit();

    void openLesson(const QString &page);
    void openScreen(const QString &formName);
    void showNames();
    void listClicked(int row);

    ClickLabel *labNomi_ = nullptr;
    QListWidget *list_ = nullptr;
    QLabel *picture_ = nullptr;
    ClickLabel *typeSize_ = nullptr;
};

} // namespace censaria
