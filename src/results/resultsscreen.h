#pragma once

#include "screenkit/screen.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace censaria {

class ClickLabel;
class ResultsBrowser;

// FRisultati: one pupil's stored results in two grids, the look-up of any pupil,
// and the printed page and the export to removable media.
class ResultsScreen : public Screen
{
    Q_OBJECT
public:
    explicit ResultsScreen(Module &module);

    ResultsBrowser &browser() const { return *browser_; }

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QTableWidget *addGrid(const char *name, const QRect &twips, const QList<int> &columnTwips);

    void search();
    void showState();
    void paintGrid(QTableWidget *grid, const QList<QStringList> &texts);
    void applyColours(const QList<std::pair<QString, QColor>> &colours);

    ResultsBrowser *browser_;
    QLabel *nameLabel_;               // LabNOME
    QTableWidget *questionnaireGrid_; // Grid1
    QTableWidget *exerciseGrid_;      // Grid3
    QLineEdit *firstNameBox_;         // Text1
    QLineEdit *surnameBox_;           // Text2
};

} // namespace censaria
