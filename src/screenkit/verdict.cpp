#include "verdict.h"

#include "accessibility.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace censaria {
namespace {

// White on dark grounds: readable on the red of a wrong answer and on every box colour.
const QColor wrongGround(31, 31, 31);
const QColor rightGround(11, 107, 46);
const QColor noteGround(60, 72, 88);

QString symbol(Verdict verdict)
{
    return verdict == Verdict::Right ? QStringLiteral("✓") : QStringLiteral("✗");
}
QColor ground(Verdict verdict)
{
    return verdict == Verdict::Right ? rightGround : wrongGround;
}

void placeBadge(QLineEdit *box, const QString &text, const QColor &colour);

QPixmap badge(Verdict verdict, int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground(verdict));
    painter.drawEllipse(QRectF(0.5, 0.5, side - 1, side - 1));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(6, side * 3 / 4));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, symbol(verdict));
    return pixmap;
}

} // namespace

QString verdictWord(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Right: return QStringLiteral("giusto");
    case Verdict::Wrong: return QStringLiteral("sbagliato");
    case Verdict::None: break;
    }
    return QString();
}

void showVerdict(QLineEdit *box, Verdict verdict, bool withWord, const QString &note)
{
    QString words = verdictWord(verdict);
    if (!note.isEmpty())
        words += QStringLiteral(": ") + note;
    accessible::describe(box, words);
    placeBadge(box,
               verdict == Verdict::None ? QString()
               : withWord               ? symbol(verdict) + QLatin1Char(' ') + words
                                        : symbol(verdict),
               ground(verdict));
}

void showBadge(QLineEdit *box, const QString &text)
{
    placeBadge(box, text, noteGround);
}

namespace {

void placeBadge(QLineEdit *box, const QString &text, const QColor &colour)
{
    auto *mark = box->findChild<QLabel *>(QStringLiteral("verdict"), Qt::FindDirectChildrenOnly);
    const QVariant ownFont = box->property("fontBeforeBadge");
    if (text.isEmpty()) {
        delete mark;
        box->setTextMargins(0, 0, 0, 0);
        if (ownFont.isValid())
            box->setFont(ownFont.value<QFont>());
        box->setProperty("fontBeforeBadge", QVariant());
        return;
    }
    if (!ownFont.isValid())
        box->setProperty("fontBeforeBadge", box->font());
    if (!mark) {
        mark = new QLabel(box);
        mark->setObjectName(QStringLiteral("verdict"));
        mark->setAlignment(Qt::AlignCenter);
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    QFont font = box->font();
    font.setPixelSize(std::max(6, font.pixelSize() * 4 / 5));
    mark->setFont(font);
    mark->setStyleSheet(QStringLiteral("QLabel { background: %1; color: white; border-radius: %2px; padding: 0 %3px; }")
                            .arg(colour.name())
                            .arg(font.pixelSize() / 3)
                            .arg(std::max(2, font.pixelSize() / 4)));
    mark->setText(text);
    const int inset = std::max(2, box->height() / 10);
    const int height = box->height() - 2 * inset;
    const int width = std::max(height, mark->sizeHint().width());
    mark->setGeometry(box->width() - width - inset, inset, width, height);
    mark->show();
    box->setTextMargins(0, 0, width + inset, 0);
    // The answer stays whole beside the badge: a smaller type when it would not fit.
    QFont boxFont = box->property("fontBeforeBadge").value<QFont>();
    const int room = box->width() - width - 3 * inset - 2 * box->fontMetrics().averageCharWidth() / 2;
    while (boxFont.pixelSize() > 7 && QFontMetrics(boxFont).horizontalAdvance(box->text()) > room)
        boxFont.setPixelSize(boxFont.pixelSize() - 1);
    box->setFont(boxFont);
}

} // namespace

void showVerdict(QAbstractButton *choice, Verdict verdict)
{
    accessible::describe(choice, verdictWord(verdict));
    if (verdict == Verdict::None) {
        choice->setIcon(QIcon());
        return;
    }
    const int side = std::max(8, choice->fontMetrics().height());
    choice->setIconSize(QSize(side, side));
    choice->setIcon(badge(verdict, side * 2));
}

} // namespace censaria
