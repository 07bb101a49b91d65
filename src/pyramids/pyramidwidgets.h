#pragma once

#include <QColor>
#include <QLabel>
#include <QList>
#include <QRectF>
#include <QWidget>

// The widgets the pyramid screen paints itself: the picture box and two kinds of label.
namespace censaria {

// The picture box of the pyramid: one centred horizontal bar per age class, youngest at
// the bottom, in alternating cyan and magenta on a dark teal ground.
class PyramidPicture : public QWidget
{
    Q_OBJECT
public:
    static constexpr int barCount = 18;
    static constexpr int barHeight = 180; // twips

    explicit PyramidPicture(QWidget *parent);

    // Bar i is age class i + 1; widths in twips.
    void setBarWidths(const QList<double> &widths);
    // Where bar i is painted, in the picture's pixels.
    QRectF barRect(int bar) const;

    static int barTop(int bar); // twips from the top of the picture
    static QColor barColour(int bar);
    static const QColor background;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<double> widths_;
};

// A narrow label that stacks its items one per line, each line centred on a given height,
// so that the items stand beside the things they name. Items are separated by line
// breaks, or by runs of two or more blanks.
class StackedLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Centres of the lines, in the label's own pixels, top line first.
    void setLineCentres(const QList<double> &centres);
    QStringList lines() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<double> centres_;
};

} // namespace censaria
