#pragma once

#include <QImage>
#include <QString>

namespace censaria {

// The SVG file drawn at size, transparent where it draws nothing (and wholly when the
// file cannot be read). Drawing one takes milliseconds, so the picture is kept in
// cacheFolder and read back on later runs. The kept copy names the SVG's digest, the
// size and the Qt version it was drawn with; a copy that does not match them exactly,
// or is not a plain file of the right length, counts as absent and is drawn again.
QImage svgPicture(const QString &file, const QSize &size, const QString &cacheFolder);

// The account's own cache folder, where svgPicture keeps its pictures.
QString pictureCacheFolder();

} // namespace censaria
