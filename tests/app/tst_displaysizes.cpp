// Every screen on the smallest and the largest classroom display: each visible control
// lies inside the display and inside whatever holds it, and its text fits it.
#include "app/forms.h"
#include "pyramids/pyramidwidgets.h"
#include "questionnaires/colouredbutton.h"
#include "testsupport/censariatest.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace censaria;

namespace {

const QStringList everyForm = {forms::menu,       forms::lessons,   forms::questionnaire, forms::rates,  forms::balances,
                               forms::simulation, forms::pyramids,  forms::families,      forms::results,
                               forms::classRegister};

QString describe(const QWidget *w)
{
    const auto *label = qobject_cast<const QLabel *>(w);
    const QString name = !w->objectName().isEmpty() ? w->objectName()
                         : label                    ? QLatin1Char('"') + label->text() + QLatin1Char('"')
                                                    : QString::fromLatin1(w->metaObject()->className());
    return w->window()->objectName() + QLatin1Char('/') + name;
}

// The inner parts of a Qt compound control (scroll bars, viewports, the edit field
// of a combo box) are the control's business, not the screen's.
bool isInnerPart(const QWidget *w, const QWidget *canvas)
{
    if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
        return false;
    for (const QWidget *p = w->parentWidget(); p && p != canvas; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea *>(p) || qobject_cast<const QComboBox *>(p))
            return true;
    return false;
}

bool fits(const QFontMetrics &metrics, const QRect &room, int flags, const QString &text)
{
    const QRect needed = metrics.boundingRect(QRect(room.topLeft(), QSize(room.width(), 100000)), flags, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// Why the control's text does not fit it; empty when it does.
QString textProblem(const QWidget *w)
{
    const QFontMetrics metrics(w->font());
    if (const auto *label = qobject_cast<const QLabel *>(w)) {
        // Cut and stacked labels draw their text their own way, on purpose.
        if (label->text().isEmpty() || !label->pixmap().isNull() || qobject_cast<const CutLabel *>(label)
            || qobject_cast<const StackedLabel *>(label))
            return {};
        QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
        room.setWidth(room.width() - std::max(0, label->indent()));
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return fits(metrics, room, flags, label->text()) ? QString() : QStringLiteral("text does not fit");
    }
    if (const auto *button = qobject_cast<const ColouredButton *>(w)) {
        const int margin = metrics.averageCharWidth();
        return fits(metrics, button->rect().adjusted(margin, 2, -margin, -2), Qt::AlignCenter | Qt::TextWordWrap, button->text())
                   ? QString()
                   : QStringLiteral("caption does not fit");
    }
    if (const auto *button = qobject_cast<const QPushButton *>(w))
        return fits(metrics, button->rect().adjusted(3, 2, -3, -2), Qt::AlignCenter, button->text()) ? QString()
                                                                                                   : QStringLiteral("caption does not fit");
    if (const auto *box = qobject_cast<const QAbstractButton *>(w)) // tick boxes and options
        return box->sizeHint().width() <= box->width() && metrics.height() <= box->height() ? QString()
                                                                                              : QStringLiteral("caption does not fit");
    if (const auto *frame = qobject_cast<const QGroupBox *>(w))
        return metrics.horizontalAdvance(frame->title()) < frame->width() * 9 / 10 ? QString() : QStringLiteral("title does not fit");
    if (const auto *bar = qobject_cast<const QMenuBar *>(w)) {
        for (QAction *action : bar->actions())
            if (!bar->rect().contains(bar->actionGeometry(action)))
                return QStringLiteral("menu \"%1\" does not fit").arg(action->text());
    }
    return {};
}

QStringList problemsOf(Screen *screen, const QSize &display)
{
    QStringList problems;
    if (screen->width() > display.width() || screen->height() > display.height())
        problems << screen->objectName() + QStringLiteral(": the window is not inside the display");
    for (QWidget *w : screen->canvas()->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(screen) || isInnerPart(w, screen->canvas()))
            continue;
        if (!w->parentWidget()->rect().contains(w->geometry()))
            problems << describe(w) + QStringLiteral(": cut off by what holds it");
        if (const QString text = textProblem(w); !text.isEmpty())
            problems << describe(w) + QStringLiteral(": ") + text;
    }
    if (!screen->rect().contains(QRect(screen->canvas()->pos(), screen->canvas()->size())))
        problems << screen->objectName() + QStringLiteral(": the page is larger than the window");
    return problems;
}

} // namespace

class TestDisplaySizes : public QObject
{
    Q_OBJECT

private slots:
    void everyScreenFitsTheDisplay_data()
    {
        QTest::addColumn<QSize>("display");
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("1280x960") << QSize(1280, 960);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
        QTest::newRow("3840x2160") << QSize(3840, 2160);
    }

    void everyScreenFitsTheDisplay()
    {
        QFETCH(QSize, display);
        TestProgram program;
        program.display().displaySize = display;
        QVERIFY(program.start());
        QStringList problems;
        for (const QString &form : everyForm) {
            // The lesson screen on a page, so that its title, picture and buttons are there.
            if (form == forms::lessons)
                QVERIFY(program.module().navigation().showLessonPage(QStringLiteral("Storia1")));
            else
                QVERIFY(program.module().navigation().show(form));
            Screen *screen = program.screen(form);
            QCoreApplication::processEvents();
            problems << problemsOf(screen, display);
            screen->hide();
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // The fonts follow the display like the controls do, so a page keeps its look.
    void fontsGrowWithTheDisplay()
    {
        int small = 0;
        for (const QSize &display : {QSize(1024, 768), QSize(3840, 2160)}) {
            TestProgram program;
            program.display().displaySize = display;
            QVERIFY(program.start());
            const int size = program.control<QPushButton>(forms::menu, QStringLiteral("Cmdstoria"))->font().pixelSize();
            if (small == 0)
                small = size;
            else
                QVERIFY2(size >= small * 27 / 10, qPrintable(QStringLiteral("%1 px against %2 px").arg(size).arg(small)));
        }
    }
};

QTEST_MAIN(TestDisplaySizes)
#include "tst_displaysizes.moc"
