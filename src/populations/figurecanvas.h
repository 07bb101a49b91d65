#pragma once

#include "screenkit/figureview.h"

#include <QWidget>

class QPushButton;

namespace censaria {
class Module;
}

// A figure on a screen: drawn by its painter to the widget's size, shown full screen
// for the whiteboard, saved as a PNG picture for a worksheet.
namespace censaria::populations {

class FigureCanvas : public QWidget
{
    Q_OBJECT
public:
    FigureCanvas(QWidget *parent, FigurePainter paint);

    // Offers the figure full-screen as every figure of the program is: a button in its
    // corner, a double click or a tap, F11. Called once the canvas has its name.
    void offerFullScreen(std::function<QString()> title);
    // Asks where to save the figure and writes it there as a PNG picture of imageSize,
    // telling the user how it went; false when nothing was written.
    bool saveImage(Module &module, const QString &title, const QString &fileName);
    // The figure drawn on a white picture of that size.
    QImage image(const QSize &size) const;

    static constexpr QSize imageSize{1920, 1080};

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    FigurePainter paint_;
    QPushButton *fullScreen_ = nullptr;
};

} // namespace censaria::populations
