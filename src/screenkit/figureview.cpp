#include "figureview.h"

#include "module.h"
#include "platform/twips.h"
#include "screen.h"
#include "touchgestures.h"

#include <QAbstractScrollArea>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

namespace censaria {
namespace {

const QColor titleGround(31, 78, 95);
const QColor closeGround(150, 40, 40);
constexpr double titleShare = 0.08; // of the display's height
constexpr double marginShare = 0.02;

// The figure alone over the whole display: the title in a strip along the top with the
// button that closes it, the figure below as large as the display allows.
class FigureView : public QWidget
{
    Q_OBJECT
public:
    FigureView(QWidget *parent, const QString &title, FigurePainter paint)
        : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
        , title_(title)
        , paint_(std::move(paint))
        , close_(new QPushButton(QStringLiteral("Chiudi  ✕"), this))
    {
        setObjectName(QStringLiteral("figureView"));
        setWindowTitle(title);
        setAttribute(Qt::WA_DeleteOnClose);
        setAccessibleName(title);
        setAccessibleDescription(QStringLiteral("Figura a schermo intero: Esc, un clic o un tocco la chiudono"));
        close_->setObjectName(QStringLiteral("closeFigure"));
        close_->setCursor(Qt::PointingHandCursor);
        close_->setAccessibleName(QStringLiteral("Chiudi la figura"));
        connect(close_, &QPushButton::clicked, this, &QWidget::close);
        setFocusPolicy(Qt::StrongFocus);
    }

    QRectF figureArea() const
    {
        const double margin = height() * marginShare;
        const double top = titleHeight() + margin;
        return QRectF(margin, top, width() - 2 * margin, height() - top - margin);
    }

protected:
    void resizeEvent(QResizeEvent *) override
    {
        const int bar = titleHeight();
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(std::max(8, int(bar * 0.42)));
        font.setBold(true);
        close_->setFont(font);
        const int width = QFontMetrics(font).horizontalAdvance(close_->text()) + bar;
        close_->setGeometry(this->width() - width - bar / 6, bar / 8, width, bar - bar / 4);
        close_->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: white; border: 2px solid white; border-radius: %2px; }")
                                  .arg(closeGround.name())
                                  .arg(bar / 6));
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        painter.fillRect(rect(), Qt::white);
        const int bar = titleHeight();
        painter.fillRect(QRect(0, 0, width(), bar), titleGround);
        QFont font = close_->font();
        painter.setFont(font);
        painter.setPen(Qt::white);
        const QRect titleRoom(bar / 3, 0, close_->x() - bar / 2, bar);
        painter.drawText(titleRoom, Qt::AlignLeft | Qt::AlignVCenter, QFontMetrics(font).elidedText(title_, Qt::ElideRight, titleRoom.width()));
        const QRectF area = figureArea();
        painter.save();
        painter.setClipRect(area);
        paint_(painter, area);
        painter.restore();
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_F11:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space: close(); return;
        default: QWidget::keyPressEvent(event);
        }
    }

    // A click, or a tap that a touch display turns into one, anywhere closes it.
    void mouseReleaseEvent(QMouseEvent *) override { close(); }

private:
    int titleHeight() const { return std::max(24, int(height() * titleShare)); }

    QString title_;
    FigurePainter paint_;
    QPushButton *close_;
};

// The small button over a figure's top right corner: four corner marks, as on a video.
class FullScreenButton : public QPushButton
{
    Q_OBJECT
public:
    explicit FullScreenButton(QWidget *parent)
        : QPushButton(parent)
    {
        setCursor(Qt::PointingHandCursor);
        // The keyboard has F11; a Tab stop on every figure would lengthen every road.
        setFocusPolicy(Qt::NoFocus);
        setToolTip(QStringLiteral("Mostra a schermo intero (F11, oppure doppio clic sulla figura)"));
        setAccessibleName(QStringLiteral("Mostra a schermo intero"));
    }

    // The side of the button: about a finger's width on a classroom board.
    static int side() { return std::max(24, Twips::px(330)); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(20, 40, 60, underMouse() || isDown() ? 230 : 170));
        painter.drawRoundedRect(box, box.width() / 6, box.width() / 6);
        QPen pen(Qt::white, std::max(2.0, box.width() / 12), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter.setPen(pen);
        const QRectF marks = box.adjusted(box.width() / 4, box.height() / 4, -box.width() / 4, -box.height() / 4);
        const double arm = marks.width() / 3;
        const QPointF corners[] = {marks.topLeft(), marks.topRight(), marks.bottomRight(), marks.bottomLeft()};
        for (int i = 0; i < 4; ++i) {
            const QPointF c = corners[i];
            const double sx = (i == 0 || i == 3) ? 1 : -1;
            const double sy = (i < 2) ? 1 : -1;
            painter.drawPolyline(QPolygonF{c + QPointF(0, sy * arm), c, c + QPointF(sx * arm, 0)});
        }
    }
};

// One figure offered full-screen: its button follows it, its double clicks and taps open it.
class FullScreenOffer : public QObject
{
    Q_OBJECT
public:
    FullScreenOffer(QWidget *figure, std::function<QString()> title, FigurePainter paint)
        : QObject(figure)
        , figure_(figure)
        , title_(std::move(title))
        , paint_(std::move(paint))
        , button_(new FullScreenButton(figure->parentWidget() ? figure->parentWidget() : figure))
    {
        setObjectName(QStringLiteral("fullScreenOffer"));
        button_->setObjectName(figure->objectName() + QStringLiteral("FullScreen"));
        connect(button_, &QPushButton::clicked, this, &FullScreenOffer::open);
        figure->installEventFilter(this);
        QWidget *surface = figure;
        if (auto *area = qobject_cast<QAbstractScrollArea *>(figure)) {
            surface = area->viewport();
            surface->installEventFilter(this);
        }
        connect(TouchGestures::of(surface), &TouchGestures::tapped, this, &FullScreenOffer::open);
        place();
    }

    QPushButton *button() const { return button_; }
    QWidget *figure() const { return figure_; }
    bool isShown() const { return figure_ && figure_->isVisible(); }

    void open()
    {
        if (figure_)
            showFigureFullScreen(figure_, title_(), paint_);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
                open();
                return true;
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            if (watched == figure_)
                place();
            break;
        default: break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void place()
    {
        if (!figure_)
            return;
        const int side = FullScreenButton::side();
        const int inset = std::max(2, side / 6);
        const QPoint corner = button_->parentWidget() == figure_ ? QPoint(figure_->width(), 0) : figure_->geometry().topRight() + QPoint(1, 0);
        button_->setGeometry(corner.x() - side - inset, corner.y() + inset, side, side);
        button_->setVisible(figure_->isVisibleTo(button_->parentWidget()) || button_->parentWidget() == figure_);
        button_->raise();
    }

    QPointer<QWidget> figure_;
    std::function<QString()> title_;
    FigurePainter paint_;
    QPushButton *button_;
};

} // namespace

QWidget *showFigureFullScreen(QWidget *from, const QString &title, FigurePainter paint)
{
    QWidget *window = from ? from->window() : nullptr;
    auto *view = new FigureView(window, title, std::move(paint));
    if (auto *screen = qobject_cast<Screen *>(window)) {
        screen->module().platform().display->showFullDisplay(view);
    } else {
        if (const QScreen *display = QGuiApplication::primaryScreen())
            view->setGeometry(display->geometry());
        view->showFullScreen();
    }
    view->activateWindow();
    view->setFocus(Qt::OtherFocusReason);
    return view;
}

QPushButton *offerFullScreen(QWidget *figure, std::function<QString()> title, FigurePainter paint)
{
    return (new FullScreenOffer(figure, std::move(title), std::move(paint)))->button();
}

bool openFullScreenFigure(QWidget *screen)
{
    FullScreenOffer *chosen = nullptr;
    QWidget *focused = screen->focusWidget();
    for (FullScreenOffer *offer : screen->findChildren<FullScreenOffer *>()) {
        if (!offer->isShown())
            continue;
        if (!chosen)
            chosen = offer;
        if (focused && (focused == offer->figure() || offer->figure()->isAncestorOf(focused))) {
            chosen = offer;
            break;
        }
    }
    if (chosen)
        chosen->open();
    return chosen != nullptr;
}

FigurePainter pictureFigure(const QImage &picture)
{
    return [picture](QPainter &painter, const QRectF &area) {
        if (picture.isNull())
            return;
        QSizeF size = picture.size();
        size.scale(area.size(), Qt::KeepAspectRatio);
        const QRectF target(area.center() - QPointF(size.width() / 2, size.height() / 2), size);
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, picture);
        painter.restore();
    };
}

} // namespace censaria

#include "figureview.moc"
