#include "screen.h"

#include "module.h"
#include "navigation.h"
#include "platform/twips.h"

#include <algorithm>

namespace censaria {

Screen::Screen(Module &module, const QString &formName, Placement placement, QSize designTwips)
    : QWidget(nullptr)
    , module_(module)
    , placement_(placement)
    , designTwips_(designTwips.isValid() ? designTwips : QSize(Twips::designWidth, Twips::designHeight))
    , canvas_(new QWidget(this))
{
    setObjectName(formName);
    canvas_->setObjectName(QStringLiteral("canvas"));
    canvas_->resize(Twips::size(designTwips_.width(), designTwips_.height()));
    if (placement_ == Placement::DesignSize)
        setFixedSize(canvas_->size());
}

void Screen::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    canvas_->move(std::max(0, (width() - canvas_->width()) / 2), std::max(0, (height() - canvas_->height()) / 2));
}

void Screen::showScreen()
{
    if (placement_ == Placement::FullDisplay) {
        module_.platform().display->showFullDisplay(this);
    } else {
        move(0, 0);
        show();
    }
    raise();
    activateWindow();
}

void Screen::setBackground(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    setAutoFillBackground(true);
}

void Screen::goBack() { module_.navigation().back(this); }
void Screen::goToMenu() { module_.navigation().toMenu(this); }
void Screen::exitProgram() { module_.exitProgram(); }
void Screen::openResults() { module_.navigation().openResults(this); }

} // namespace censaria
