// Every screen on the classroom displays, from 1024 x 768 to a 3840 x 2160 panel: each
// covers the whole display with its page in the middle, each visible control lies
// inside whatever holds it and its text fits it, and what a pupil reads (the lesson,
// the messages, the tick boxes) keeps its size against the display.
#include "screentest.h"
#include "platform/qtplatform.h"
#include "pyramids/pyramidwidgets.h"
#include "questionnaires/colouredbutton.h"

#include <QAbstractScrollArea>
#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyleOption>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

using namespace censaria;

namespace {

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
        // Stacked labels draw their text their own way, on purpose.
        if (label->text().isEmpty() || !label->pixmap().isNull() || qobject_cast<const StackedLabel *>(label))
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
        return box->sizeHint().width() <= box->width() && metrics.height() <= box->height() ? QString() : QStringLiteral("caption does not fit");
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
    // Nothing behind the screen, neither the desktop nor a screen left open, shows beside it.
    if (screen->pos() != QPoint(0, 0) || screen->size() != display || !screen->autoFillBackground())
        problems << screen->objectName()
                        + QStringLiteral(": does not cover the display (%1,%2 %3x%4)")
                              .arg(screen->x())
                              .arg(screen->y())
                              .arg(screen->width())
                              .arg(screen->height());
    const QRect page(screen->canvas()->pos(), screen->canvas()->size());
    if (qAbs(page.left() - (screen->width() - page.right() - 1)) > 1 || qAbs(page.top() - (screen->height() - page.bottom() - 1)) > 1)
        problems << screen->objectName() + QStringLiteral(": the page is not in the middle of the display");
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

const QList<QSize> classroomDisplays = {QSize(1024, 768), QSize(1280, 960), QSize(1920, 1080), QSize(3840, 2160)};

// Sizes in pixels of what a pupil reads, on one display, by name.
using Reading = QList<std::pair<const char *, int>>;

// The line of a paragraph in the middle of the lesson, as laid out on the page.
int lessonLineHeight(TestProgram &program)
{
    auto *text = program.control<QTextEdit>(forms::lessons, QStringLiteral("RTBtesto"));
    QTextDocument *document = text->document();
    const QTextBlock block = document->findBlock(document->characterCount() / 2);
    document->documentLayout()->blockBoundingRect(block); // lays the block out
    return block.layout()->lineCount() > 0 ? qRound(block.layout()->lineAt(0).height()) : 0;
}

template <typename Box>
int indicatorHeight(Box *box, QStyle::SubElement element)
{
    QStyleOptionButton option;
    option.initFrom(box);
    return box->style()->subElementRect(element, &option, box).height();
}

Reading readingOn(const QSize &display)
{
    TestProgram program;
    program.display().displaySize = display;
    Reading r;
    if (!program.start())
        return r;
    program.open(forms::lessons);
    r.append({"lesson line", lessonLineHeight(program)});
    auto *menuBar = program.screen(forms::lessons)->findChild<QMenuBar *>();
    r.append({"lesson menu entry", menuBar->actionGeometry(menuBar->actions().constFirst()).height()});

    // The dialogs the real seam shows, built but never run modally.
    const std::unique_ptr<QMessageBox> box(
        QtDialogs::makeMessageBox(QStringLiteral("Non hai completato la risposta"), forms::programTitle, MessageIcon::None, nullptr));
    box->show();
    r.append({"message text", QFontMetrics(box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->font()).height()});
    r.append({"message button", box->button(QMessageBox::Ok)->height()});
    const std::unique_ptr<QMessageBox> longBox(
        QtDialogs::makeMessageBox(QStringLiteral(
                                      "PRIMA di esportare i dati, è necessario inserire UN DISCHETTO. Si deve essere sicuri che non sia "
                                      "danneggiato e che ci siano almeno 500 Kb di spazio libero. Si raccomanda di usare un dischetto "
                                      "diverso per ogni classe."),
                                  forms::programTitle, MessageIcon::Information, nullptr));
    longBox->show();
    // Its width: a long text must not wrap every few words.
    r.append({"long message", longBox->width()});
    const std::unique_ptr<QInputDialog> question(
        QtDialogs::makeInputDialog(QStringLiteral("Scrivi qui PRIMA il COGNOME, poi il tuo Nome"), forms::programTitle, nullptr));
    r.append({"name question", QFontMetrics(question->findChild<QLabel *>()->font()).height()});

    program.module().navigation().show(forms::balances);
    r.append(
        {"tick box", indicatorHeight(program.control<QCheckBox>(forms::balances, QStringLiteral("Check1(0)")), QStyle::SE_CheckBoxIndicator)});
    r.append({"option button",
              indicatorHeight(program.control<QRadioButton>(forms::balances, QStringLiteral("Option3(0)")), QStyle::SE_RadioButtonIndicator)});
    r.append({"calculator key", program.control<QPushButton>(forms::balances, QStringLiteral("Number(7)"))->height()});
    r.append(
        {"results grid row", program.control<QTableWidget>(forms::results, QStringLiteral("Grid1"))->verticalHeader()->defaultSectionSize()});

    auto *list = program.control<QComboBox>(forms::questionnaire, QStringLiteral("Combo1"));
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    // The width of the questionnaire list's arrow.
    r.append({"list arrow", list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, list).width()});
    return r;
}

} // namespace

class TestDisplaySizes : public QObject
{
    Q_OBJECT

private slots:
    // Qt Test runs widgets at 96 dots per inch whatever the screen's; the program does not,
    // and the style's arrows are drawn for the density the program gives them.
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_Use96Dpi, false); }

    void everyScreenFitsTheDisplay_data()
    {
        QTest::addColumn<QSize>("display");
        for (const QSize &display : classroomDisplays)
            QTest::newRow(qPrintable(QStringLiteral("%1x%2").arg(display.width()).arg(display.height()))) << display;
    }

    void everyScreenFitsTheDisplay()
    {
        QFETCH(QSize, display);
        TestProgram program;
        program.display().displaySize = display;
        QVERIFY(program.start());
        QStringList problems;
        for (const QString &form : pupilForms + QStringList{forms::classRegister}) {
            Screen *screen = program.open(form);
            QVERIFY(screen);
            problems << problemsOf(screen, display);
            screen->hide();
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // From a desk, a 3840 x 2160 panel must read like a 1280 x 960 monitor: every
    // height against the display's stays within 15 % of what it is at 1280 x 960.
    void whatPupilsReadFollowsTheDisplay()
    {
        const QSize reference(1280, 960);
        const Reading expected = readingOn(reference);
        QCOMPARE(expected.size(), 11);
        QStringList problems;
        for (const QSize &display : classroomDisplays) {
            const Reading measured = readingOn(display);
            if (measured.size() != expected.size()) {
                problems << QStringLiteral("%1x%2: not measured").arg(display.width()).arg(display.height());
                continue;
            }
            for (qsizetype i = 0; i < measured.size(); ++i) {
                const double ratio = double(measured[i].second) / display.height();
                const double wanted = double(expected[i].second) / reference.height();
                if (wanted <= 0 || qAbs(ratio / wanted - 1) > 0.15)
                    problems << QStringLiteral("%1x%2: %3 is %4 px, %5 px at 1280x960")
                                    .arg(display.width())
                                    .arg(display.height())
                                    .arg(QLatin1String(measured[i].first))
                                    .arg(measured[i].second)
                                    .arg(expected[i].second);
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestDisplaySizes)
#include "tst_displaysizes.moc"
