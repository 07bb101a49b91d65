#pragma once

#include <QImage>
#include <QString>

class QTextDocument;

namespace censaria {

// Reading a page's files. A file that is missing or cannot be read never stops the
// page: its place is taken by a note in Italian for the pupil and the teacher.

// Fills document with the lesson file, or with a note saying why it cannot be shown.
// False when the note was put in its place.
bool loadLessonText(const QString &path, QTextDocument *document);

// Gives every paragraph a further left indent of the given size (in pixels).
void indentParagraphs(QTextDocument *document, qreal indent);

struct LessonPicture
{
    QImage image; // null when the picture cannot be shown
    QString note; // why, in that case
};
LessonPicture loadLessonPicture(const QString &path);

} // namespace censaria
