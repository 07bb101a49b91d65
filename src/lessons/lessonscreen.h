#pragma once

#include "screenkit/navigation.h"
#include "screenkit/screen.h"
#include "lessonpaging.h"

class QLabel;
class QPushButton;
class QTextEdit;

namespace censaria {

struct LessonDestination;
struct LessonTopic;

// The lesson screen: one lesson page at a time (text, title, picture and a button to
// the topic's questionnaire or exercise), a menu bar of all pages, and paging through
// the eleven pages of the sequence.
class LessonScreen : public Screen, public LessonPages
{
    Q_OBJECT
public:
    explicit LessonScreen(Module &module);

    void showLessonPage(const QString &pageKey) override;
    int pagina() const { return paging_.pagina(); }

private:
    void buildMenuBar();

    void loadPage(const QString &key);
    void loadSequencePage(const LessonTopic &topic);
    void loadInDepthPage(const LessonTopic &topic);
    void showText(const LessonTopic &topic, qreal indent);
    void showPicture(const QString &programPath);
    void showDestination(const LessonTopic &topic);

    void showNextPage();
    void showPreviousPage();
    void openPageDestination();
    void openOtherDestination();
    void openDestination(const LessonDestination &to);
    void openFamilies();
    void showPagingStates();

    LessonPaging paging_;
    QString shownText_;   // the lesson file, its date and size, and the type size of the text shown
    QString picturePath_; // the picture shown, and the page it belongs to
    QString pictureTitle_;
    QLabel *title_ = nullptr;                       // LabTITOLO
    QTextEdit *text_ = nullptr;                     // RTBtesto
    QLabel *picture_ = nullptr;                     // Image1
    QPushButton *destinationButton_ = nullptr;      // CmdDestina
    QPushButton *otherDestinationButton_ = nullptr; // OtherDestination: a page's second destination, beside the first
    QPushButton *familiesButton_ = nullptr;         // CmdOsserva
    QPushButton *nextButton_ = nullptr;             // CmdAVANTI
    QPushButton *previousButton_ = nullptr;         // CmdINDIETRO
};

} // namespace censaria
