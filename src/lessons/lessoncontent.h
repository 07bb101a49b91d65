#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QFont;
class QObject;
class QTextDocument;

namespace censaria {

// Reading a page's files. A file that is missing or cannot be read never stops the
// page: its place is taken by a note in Italian for the pupil and the teacher.

// Fills document with the lesson file, or with a note saying why it cannot be shown.
// False when the note was put in its place.
bool loadLessonText(const QString &path, QTextDocument *document);

// A new document (child of parent) holding the lesson file, or the note, sized for the
// display, in the given type, every paragraph indented by indent pixels.
QTextDocument *makeLessonDocument(const QString &path, const QFont &font, qreal indent, QObject *parent);

// Gives every paragraph a further left indent of the given size (in pixels).
void indentParagraphs(QTextDocument *document, qreal indent);

struct LessonPicture
{
    QImage image; // null when the picture cannot be shown
    QString note; // why, in that case
};
// The picture, fitted into box (keeping its shape) when a box is given.
LessonPicture loadLessonPicture(const QString &path, const QSize &box = {});

} // namespace censaria
