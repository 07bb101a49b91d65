#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace censaria {

// Pictures the program keeps drawn in the account's cache between runs: a header that
// names everything the pixels depend on, then the pixels row after row, as QImage holds
// them in this format.
constexpr QImage::Format keptPixelsFormat = QImage::Format_ARGB32_Premultiplied;

// The kept picture of this size; null unless path is a plain file that begins with head
// and holds exactly that many pixels after it.
QImage readKeptPixels(const QString &path, const QByteArray &head, const QSize &size);

// Whole or not at all: a run that stops halfway leaves no copy, or a whole one.
void keepPixels(const QString &path, const QByteArray &head, const QImage &image);

} // namespace censaria
