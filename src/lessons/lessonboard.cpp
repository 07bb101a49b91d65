#include "lessonboard.h"

#include "lessoncontent.h"
#include "screenkit/figureview.h"
#include "screenkit/touchgestures.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QDir>
#include <QFileInfo>
#include <memory>

namespace censaria {

QString boardPicturePath(const QString &picturePath)
{
    const QFileInfo picture(picturePath);
    const QString board = picture.dir().filePath(picture.completeBaseName() + QStringLiteral("-lavagna.") + picture.suffix());
    return QFileInfo::exists(board) ? board : picturePath;
}

void offerLessonOnBoard(const LessonOnBoard &lesson)
{
    // Decoded once per picture, not at every paint of the full-screen view.
    auto decoded = std::make_shared<std::pair<QString, QImage>>();
    const auto path = lesson.picturePath;
    offerFullScreen(lesson.picture, lesson.pictureTitle, [decoded, path](QPainter &painter, const QRectF &area) {
        const QString file = boardPicturePath(path());
        if (decoded->first != file)
            *decoded = {file, loadLessonPicture(file).image};
        pictureFigure(decoded->second)(painter, area);
    });

    QAbstractButton *forward = lesson.forward;
    QAbstractButton *back = lesson.back;
    const auto turn = [forward, back](int direction) {
        // A swipe to the left brings the next page in, as on a book.
        QAbstractButton *button = direction < 0 ? forward : back;
        if (button->isEnabled() && button->isVisible())
            button->click();
    };
    QWidget *text = lesson.text;
    if (auto *area = qobject_cast<QAbstractScrollArea *>(text))
        text = area->viewport();
    for (QWidget *surface : {text, lesson.picture})
        QObject::connect(TouchGestures::of(surface), &TouchGestures::swiped, surface, turn);
}

} // namespace censaria
