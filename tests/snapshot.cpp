#include "snapshot.h"

#include "platform/twips.h"
#include "pyramids/pyramidwidgets.h"
#include "screenkit/screen.h"
#include "simulation/growthgraph.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QAbstractItemView>
#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <QTextEdit>

namespace censaria::snapshot {
namespace {

// Pixels back to design twips, to the nearest ten: what one pixel is at the design's own size.
int twips(double pixels)
{
    return qRound(pixels / Twips::scale() / 10) * 10;
}

QString quoted(QString text)
{
    text.replace(u'\\', QStringLiteral("\\\\")).replace(u'\n', QStringLiteral("\\n")).replace(u'\r', QStringLiteral("\\r"));
    return u'"' + text + u'"';
}

// A long text by its beginning and its length: a lesson's text is the lesson check's.
QString excerpt(const QString &text)
{
    constexpr int shown = 80;
    return text.size() <= shown ? quoted(text) : quoted(text.left(shown)) + QStringLiteral("… (%1 characters)").arg(text.size());
}

// The caption, value or contents the control shows, and the states that go with them.
QStringList contents(const QWidget *w)
{
    QStringList parts;
    if (const auto *label = qobject_cast<const QLabel *>(w)) {
        parts << quoted(label->text());
        if (!label->pixmap().isNull())
            parts << QStringLiteral("with picture");
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(w)) {
        parts << quoted(button->text());
        if (button->isCheckable())
            parts << (button->isChecked() ? QStringLiteral("ticked") : QStringLiteral("clear"));
        if (!button->icon().isNull())
            parts << QStringLiteral("with icon");
    } else if (const auto *box = qobject_cast<const QLineEdit *>(w)) {
        parts << quoted(box->text());
        if (box->isReadOnly())
            parts << QStringLiteral("locked");
        if (!box->placeholderText().isEmpty())
            parts << QStringLiteral("hint ") + quoted(box->placeholderText());
    } else if (const auto *group = qobject_cast<const QGroupBox *>(w)) {
        parts << quoted(group->title());
    } else if (const auto *combo = qobject_cast<const QComboBox *>(w)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        parts << QStringLiteral("choice %1 of").arg(combo->currentIndex()) << quoted(items.join(u'|'));
    } else if (const auto *text = qobject_cast<const QTextEdit *>(w)) {
        parts << excerpt(text->toPlainText());
    } else if (const auto *slider = qobject_cast<const QAbstractSlider *>(w)) {
        parts << QStringLiteral("%1 in %2..%3").arg(slider->value()).arg(slider->minimum()).arg(slider->maximum());
    }
    if (const auto *view = qobject_cast<const QAbstractItemView *>(w); view && view->model()) {
        // A list or a table by its headings and rows, as the model gives them to the view.
        const QAbstractItemModel *model = view->model();
        const auto *table = qobject_cast<const QTableView *>(view);
        QStringList headings;
        for (int column = 0; table && !table->horizontalHeader()->isHidden() && column < model->columnCount(); ++column)
            headings << model->headerData(column, Qt::Horizontal).toString();
        parts << QStringLiteral("%1 rows").arg(model->rowCount());
        if (!headings.isEmpty())
            parts << QStringLiteral("under") << quoted(headings.join(u'|'));
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells << model->index(row, column).data().toString();
            parts << quoted(cells.join(u'|'));
        }
    }
    if (const auto *bar = qobject_cast<const QMenuBar *>(w)) {
        for (const QAction *menu : bar->actions()) {
            QStringList entries;
            if (menu->menu())
                for (const QAction *entry : menu->menu()->actions())
                    entries << entry->objectName() + u'=' + entry->text();
            parts << QStringLiteral("menu ") + quoted(menu->text()) + QStringLiteral(" of ") + quoted(entries.join(u'|'));
        }
    }
    if (const auto *graph = qobject_cast<const GrowthGraph *>(w)) {
        for (const QPointF &point : graph->series()->points())
            parts << QStringLiteral("(%1, %2)").arg(point.x(), 0, 'f', 0).arg(point.y(), 0, 'f', 0);
    }
    if (const auto *pyramid = qobject_cast<const PyramidPicture *>(w)) {
        QStringList bars;
        for (int bar = 0; bar < PyramidPicture::barCount; ++bar)
            bars << QString::number(twips(pyramid->barRect(bar).width()));
        parts << QStringLiteral("bars ") + bars.join(u' ');
    }
    return parts;
}

QString shownText(const QWidget *w)
{
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->text().remove(u'&');
    if (const auto *group = qobject_cast<const QGroupBox *>(w))
        return group->title();
    return QString();
}

// What a screen reader says that the caption does not.
QStringList spoken(QWidget *w)
{
    QStringList parts;
    if (QAccessibleInterface *node = QAccessible::queryAccessibleInterface(w)) {
        const QString name = node->text(QAccessible::Name);
        if (!name.isEmpty() && name != shownText(w))
            parts << QStringLiteral("named ") + quoted(name);
        if (const QString description = node->text(QAccessible::Description); !description.isEmpty())
            parts << QStringLiteral("described ") + quoted(description);
    }
    return parts;
}

// Colours of the control's own, where they are not the style's.
QStringList colours(const QWidget *w)
{
    QStringList parts;
    const QPalette standard = QApplication::palette(w);
    const QPalette::ColorRole ground = qobject_cast<const QLineEdit *>(w) ? QPalette::Base : w->backgroundRole();
    if (w->autoFillBackground() || w->palette().color(ground) != standard.color(ground))
        parts << QStringLiteral("colour ") + w->palette().color(ground).name();
    if (w->palette().color(w->foregroundRole()) != standard.color(w->foregroundRole()))
        parts << QStringLiteral("ink ") + w->palette().color(w->foregroundRole()).name();
    return parts;
}

QString nameOf(const QWidget *w)
{
    const QVariant index = w->property("index");
    return index.isValid() ? QStringLiteral("%1[%2]").arg(w->objectName()).arg(index.toInt()) : w->objectName();
}

bool isDescribed(const QWidget *w)
{
    return !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"));
}

void describeUnder(QWidget *parent, const QWidget *origin, int depth, QStringList &lines)
{
    for (QObject *child : parent->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w || w->isWindow())
            continue;
        if (!isDescribed(w)) {
            describeUnder(w, origin, depth, lines);
            continue;
        }
        const QPoint at = w->mapTo(w->window(), QPoint()) - origin->mapTo(origin->window(), QPoint());
        QStringList parts{QString(depth * 2, u' ') + nameOf(w), QString::fromLatin1(w->metaObject()->className())};
        parts << contents(w);
        if (w->isHidden())
            parts << QStringLiteral("hidden");
        if (!w->isEnabled())
            parts << QStringLiteral("disabled");
        parts << spoken(w) << colours(w);
        parts << QStringLiteral("at %1,%2 size %3x%4").arg(twips(at.x())).arg(twips(at.y())).arg(twips(w->width())).arg(twips(w->height()));
        lines << parts.join(u' ');
        describeUnder(w, origin, depth + 1, lines);
    }
}

// The longest common subsequence's table, for a diff that keeps the lines both share.
QString diff(const QStringList &before, const QStringList &after)
{
    const qsizetype n = before.size(), m = after.size();
    QList<QList<int>> common(n + 1, QList<int>(m + 1, 0));
    for (qsizetype i = n - 1; i >= 0; --i)
        for (qsizetype j = m - 1; j >= 0; --j)
            common[i][j] = before[i] == after[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
    QStringList out;
    qsizetype i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && before[i] == after[j]) {
            ++i, ++j;
        } else if (i < n && (j == m || common[i + 1][j] >= common[i][j + 1])) {
            out << QStringLiteral("- ") + before[i++];
        } else {
            out << QStringLiteral("+ ") + after[j++];
        }
    }
    return out.join(u'\n');
}

} // namespace

QStringList describe(const QWidget *screen)
{
    const auto *form = qobject_cast<const Screen *>(screen);
    const QWidget *origin = form ? form->canvas() : screen;
    QStringList lines{screen->objectName() + QStringLiteral(" titled ") + quoted(screen->windowTitle())};
    describeUnder(const_cast<QWidget *>(screen), origin, 0, lines);
    return lines;
}

QString controlName(const QWidget *widget)
{
    while (widget && !isDescribed(widget))
        widget = widget->parentWidget();
    return widget ? nameOf(widget) : QStringLiteral("?");
}

QStringList keyboardWalk(QWidget *screen)
{
    QStringList names;
    if (!screen->focusWidget()) {
        names << QStringLiteral("(no focus, then Tab)");
        QTest::keyClick(screen, Qt::Key_Tab);
    }
    QWidget *start = screen->focusWidget();
    QWidget *at = start;
    while (at && names.size() < 100) {
        names << controlName(at);
        QTest::keyClick(at, Qt::Key_Tab);
        at = screen->focusWidget();
        if (at == start)
            break;
    }
    return names;
}

QString differences(const QString &name, const QStringList &description)
{
    const QString path = QDir(QStringLiteral(CENSARIA_SNAPSHOTS)).filePath(name + QStringLiteral(".ref"));
    if (qEnvironmentVariableIntValue("CENSARIA_UPDATE_SNAPSHOTS")) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QStringLiteral("cannot write ") + path;
        file.write((description.join(u'\n') + u'\n').toUtf8());
        return QString();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("no reference %1: run the test with CENSARIA_UPDATE_SNAPSHOTS=1 to write it").arg(path);
    QStringList reference = QString::fromUtf8(file.readAll()).split(u'\n');
    if (!reference.isEmpty() && reference.constLast().isEmpty())
        reference.removeLast();
    if (reference == description)
        return QString();
    return QStringLiteral("%1 differs from what the screen shows now:\n%2").arg(path, diff(reference, description));
}

} // namespace censaria::snapshot
