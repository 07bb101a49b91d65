#pragma once

class QPainter;
class QRectF;
class QString;

namespace censaria {

class PyramidModel;

// The pyramid of a model as a figure of its own, for the whole display: the bars in the
// screen's colours, as wide as the largest class lets them, each with its age, under the
// model's name and total and over the shares of the three broad age groups.
void paintPyramid(QPainter &painter, const QRectF &area, const PyramidModel &model);
QString pyramidTitle(const PyramidModel &model);

} // namespace censaria
