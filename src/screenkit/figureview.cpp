#include "figureview.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace censaria {
namespace {

// The figure over the whole window of the screen it comes from, with its title above.
class FigureWindow : public QWidget
{
public:
    FigureWindow(QWidget *from, const QString &title, FigurePainter paint)
        : QWidget(from->window(), Qt::Window | Qt::FramelessWindowHint)
        , title_(title)
        , paint_(std::move(paint))
    {
        setObjectName(QStringLiteral("FigureFullScreen"));
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle(title);
        setGeometry(from->window()->geometry());
        close_ = new QPushButton(QStringLiteral("Chiudi"), this);
        close_->setObjectName(QStringLiteral("CloseFigure"));
        connect(close_, &QPushButton::clicked, this, &QWidget::close);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void resizeEvent(QResizeEvent *) override
    {
        const int h = std::max(24, height() / 18);
        QFont font = close_->font();
        font.setPixelSize(h / 2);
        close_->setFont(font);
        close_->setGeometry(width() - h * 4, h / 4, h * 4 - h / 4, h);
    }
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const int h = std::max(24, height() / 18);
        QFont font = painter.font();
        font.setPixelSize(h / 2);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(QRect(h / 2, h / 4, width() - h * 5, h), Qt::AlignLeft | Qt::AlignVCenter, title_);
        painter.setRenderHint(QPainter::Antialiasing);
        paint_(painter, QRectF(0, h * 1.5, width(), height() - h * 1.5));
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Escape)
            close();
        else
            QWidget::keyPressEvent(event);
    }
    void mousePressEvent(QMouseEvent *) override { close(); }

private:
    QString title_;
    FigurePainter paint_;
    QPushButton *close_;
};

} // namespace

QWidget *showFigureFullScreen(QWidget *from, const QString &title, FigurePainter paint)
{
    auto *window = new FigureWindow(from, title, std::move(paint));
    window->show();
    window->raise();
    window->activateWindow();
    window->setFocus();
    return window;
}

} // namespace censaria
