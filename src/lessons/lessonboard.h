#pragma once

#include <QString>
#include <functional>

class QAbstractButton;
class QWidget;

namespace censaria {

// The lesson on a classroom board: its picture opens full-screen (in the version drawn
// for the board, with larger type, when there is one), and a swipe across the text or the
// picture turns the page as "Avanti" and "Indietro" do.
struct LessonOnBoard
{
    QWidget *picture;
    QWidget *text;
    QAbstractButton *forward;
    QAbstractButton *back;
    std::function<QString()> picturePath; // the file shown now
    std::function<QString()> pictureTitle;
};
void offerLessonOnBoard(const LessonOnBoard &lesson);

// The board's version of a lesson picture: "x-lavagna.jpg" beside "x.jpg", or the
// picture itself when there is none.
QString boardPicturePath(const QString &picturePath);

} // namespace censaria
