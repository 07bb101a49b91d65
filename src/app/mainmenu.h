#pragma once

#include "screenkit/forms.h"
#include "screenkit/screen.h"

#include <QImage>

class QLabel;
namespace censaria {
class ClickLabel;
}
class QListWidget;
class QPushButton;

namespace censaria {

// The main menu: three columns of buttons (Studiare, Osservare, Operare), the
// archive and exit buttons, and the list of the names held in the archive.
class MainMenu : public Screen
{
    Q_OBJECT
public:
    // With a cover (see menucover.h) the menu shows only that picture of itself until
    // replaceCover() builds its controls in its place.
    explicit MainMenu(Module &module, const QImage &cover = {});
    void replaceCover();

protected:
    void paintEvent(QPaintEvent *event) override;
    // The menu is where every road starts: Esc only hides the names list.
    void escape() override;

private:
    void buildControls();
    void addTypeSizeChoice();
    void showTypeSize();

    // Button actions
    void openHistoryLesson() { openLesson(QStringLiteral("Storia1")); }
    void openStatisticsLesson() { openLesson(QStringLiteral("Statistica1")); }
    void openDensityLesson() { openLesson(QStringLiteral("Densità1")); }
    void openPyramidLesson() { openLesson(QStringLiteral("Piramidi1")); }
    void openItalyLesson() { openLesson(QStringLiteral("Italia")); }
    void openSimulation() { openScreen(forms::simulation); }
    void openFamilies() { openScreen(forms::families); }
    void openPyramids() { openScreen(forms::pyramids); }
    void openWorldPyramids() { openScreen(forms::worldPyramids); }
    void openPopulationFuture() { openScreen(forms::populationFuture); }
    void openBalances() { openScreen(forms::balances); }
    void openRates() { openScreen(forms::rates); }
    void openQuestionnaires();
    void openArchive();
    void exit();

    void openLesson(const QString &page);
    void openScreen(const QString &formName);
    void showNames();
    void listClicked(int row);

    ClickLabel *namesLabel_ = nullptr; // LabNOMI
    QListWidget *list_ = nullptr;
    QLabel *picture_ = nullptr;
    ClickLabel *typeSize_ = nullptr;
    QImage cover_;
};

} // namespace censaria
