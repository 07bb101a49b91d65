#pragma once

#include "serverlogin.h"
#include "screenkit/teachergate.h"

#include <QObject>
#include <QStringList>

namespace censaria {

class Archive;
class Module;

// The results screen without its widgets: whose results are shown, the two grids'
// texts, and the look-up, print, export and help behind its label-buttons.
class ResultsBrowser : public QObject
{
    Q_OBJECT
public:
    // A grid's texts, row 0 holding the headings and column 0 the topics.
    using GridTexts = QList<QStringList>;

    // screen: the results screen, whose hiding ends the teacher's login on a server.
    explicit ResultsBrowser(Module &module, QObject *screen = nullptr);

    // The name last looked up with the search fields; emptied by every refresh.
    const QString &nomecercato() const { return nomecercato_; }
    // "mionome" or "nomebis": whose rows a loader found last (the current pupil's or
    // the looked-up ones); a loader that finds nothing leaves it as it was.
    const QString &nomemostrato() const { return nomemostrato_; }
    // The name over the grids, empty while the shown rows are nobody's.
    const QString &shownName() const { return shownName_; }
    const GridTexts &questionnaireGrid() const { return questionnaireGrid_; }
    const GridTexts &exerciseGrid() const { return exerciseGrid_; }

    // The hidden refresh other screens press: forgets the looked-up name and loads the
    // current pupil, asking the name first when none is held.
    void refresh();
    // The four loaders: the current pupil's or the looked-up name's questionnaire and
    // exercise rows; true when the pupil's row was found.
    bool Questionari();
    bool esercizi();
    bool RicercaQUEST();
    bool RicercaESER();
    // Looks up surname and first name as typed; false, after saying so, when both are
    // empty or the teacher's password was not given (the fields then keep their text).
    bool search(const QString &surname, const QString &firstName);

    // Prints the page of the pupil whose rows were last shown.
    void print();
    // Appends the whole archive to the collecting archive on the removable media.
    void exportArchive();

    // The screen was left: the gate closes, and another pupil's results behind it are
    // not kept on show for whoever comes next.
    void leave();
    // The help message about the export.
    void showHelp();
    static QString helpText();

signals:
    void changed();

private:
    enum class Kind { Questionnaires, Exercises };
    enum class Whose { CurrentPupil, LookedUp };
    // True when the pupil's row was found.
    bool load(Kind kind, Whose whose);
    void showWhoseRows(bool found, const QString &name);
    void fill(GridTexts &grid, Kind kind, const QList<QVariant> *row);
    void setShownName(const QString &name);
    // The teacher's gate before what, said to the teacher ("vedere i risultati di altri alunni").
    bool teacherAdmits(const QString &what);
    // Where the results are read: this PC's archive, or on a server the teacher's login
    // (asked for when ask is true); nullptr when there is none.
    Archive *source(bool ask);
    void clearGrids();

    Module &module_;
    // Where a teacher's password is set, other pupils' results (looked up, printed or
    // exported) need it, once per opening of the screen (once per refresh).
    TeacherGate gate_;
    ServerLogin login_;
    QString nomecercato_;
    QString nomemostrato_;
    QString shownName_;
    GridTexts questionnaireGrid_;
    GridTexts exerciseGrid_;
};

} // namespace censaria
