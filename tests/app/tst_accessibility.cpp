// What a pupil who cannot see the screen well, or cannot use the mouse, meets: names
// for screen readers on every control, contrast of every text, a focus ring that shows,
// Esc that leaves every screen, and the larger type kept between runs.
#include "programtest.h"
#include "screenkit/focusring.h"
#include "platform/twips.h"
#include "platform/typescale.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QSettings>
#include <QTemporaryDir>
#include <cmath>

using namespace censaria;

namespace {

QString describe(QAccessibleInterface *node)
{
    const auto *widget = qobject_cast<const QWidget *>(node->object());
    return QStringLiteral("%1 (%2, role %3)")
        .arg(widget ? TestProgram::nameOf(widget) : QString(), widget ? widget->metaObject()->className() : "?")
        .arg(int(node->role()));
}

// Every interface under node that a pupil can reach with the keyboard and that a screen
// reader would read without a name.
void collectUnnamed(QAccessibleInterface *node, QStringList &unnamed)
{
    if (!node)
        return;
    if (node->state().focusable && node->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << describe(node);
    for (int i = 0; i < node->childCount(); ++i)
        collectUnnamed(node->child(i), unnamed);
}

QAccessibleInterface *accessibleOf(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

// WCAG 2.1 relative luminance and contrast ratio.
double luminance(const QColor &c)
{
    const auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour most of the control's pixels have on screen: the ground its text stands on.
QColor groundOf(QWidget *control)
{
    QWidget *screen = control->window();
    const QImage image = screen->grab(QRect(control->mapTo(screen, QPoint(0, 0)), control->size())).toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    return counts.isEmpty() ? QColor() : QColor(std::max_element(counts.cbegin(), counts.cend()).key());
}

// The colour the control writes its text in, as its palette (and so its style sheet) says.
QColor textOf(QWidget *control)
{
    control->ensurePolished();
    return control->palette().color(control->foregroundRole());
}

// Large text (14 points bold, 18 points) needs 3:1, the rest 4.5:1, measured in the
// points of the design the display scales.
double neededContrast(const QWidget *control)
{
    const double points = control->font().pixelSize() / (20 * Twips::scale());
    return points >= 18 || (points >= 14 && control->font().bold()) ? 3.0 : 4.5;
}

QString textShown(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->pixmap().isNull() ? label->text() : QString();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    if (auto *box = qobject_cast<QLineEdit *>(w))
        return box->text();
    return QString();
}

QStringList lowContrast(Screen *screen)
{
    QStringList found;
    for (QWidget *w : screen->findChildren<QWidget *>()) {
        if (!w->isVisible() || !w->isEnabled() || textShown(w).trimmed().isEmpty() || w->objectName() == QLatin1String("focusRing"))
            continue;
        const QColor text = textOf(w);
        const QColor ground = groundOf(w);
        const double ratio = contrast(text, ground);
        // Text in the very colour of its ground is not there to be read (the results
        // screen's strip keeps its old caption so).
        if (ratio < neededContrast(w) && text != ground)
            found << QStringLiteral("%1 \"%2\": %3 on %4 = %5")
                         .arg(w->objectName(), textShown(w).left(30), text.name(), ground.name())
                         .arg(ratio, 0, 'f', 2);
    }
    return found;
}

} // namespace

class TestAccessibility : public ProgramTest
{
    Q_OBJECT

    // A name ready for the questionnaire's question.
    void beforeStart() override { program_->dialogs().queueAnswer(QStringLiteral("Rossi Mario")); }

private slots:

    // The labels that act as buttons are announced as buttons and pressed by a screen
    // reader; the strip along the results screen is only text, and the questionnaire list
    // reads out the questionnaire chosen. (Their names, and the Tab key's road through
    // them, are in the screens' snapshots.)
    void labelButtonsAndPlainNames()
    {
        const QList<std::pair<QString, const char *>> buttons = {{forms::results, "LabCERCA"},    {forms::results, "Labtorna"},
                                                                 {forms::results, "Labmenù"},     {forms::results, "Labaiuto"},
                                                                 {forms::results, "LabEXPORT"},   {forms::results, "LabSTAMPA"},
                                                                 {forms::results, "LabREGISTRO"}, {forms::results, "Labesci"},
                                                                 {forms::menu, "LabNOMI"},        {forms::menu, "LabTesto"}};
        for (const auto &[form, name] : buttons) {
            program_->open(form);
            auto *label = program_->control<ClickLabel>(form, QString::fromUtf8(name));
            QVERIFY2(label, name);
            QAccessibleInterface *node = accessibleOf(label);
            QCOMPARE(node->role(), QAccessible::Button);
            QVERIFY(node->actionInterface() && node->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        }
        Screen *results = program_->open(forms::results);
        QVERIFY(accessibleOf(results->findChild<QWidget *>(QStringLiteral("Label5")))->role() != QAccessible::Button);
        // Pressed by a screen reader as by a click.
        const qsizetype shown = program_->dialogs().messages.size();
        accessibleOf(results->findChild<QWidget *>(QStringLiteral("Labaiuto")))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(program_->dialogs().messages.size(), shown + 1);

        program_->open(forms::questionnaire);
        QAccessibleInterface *list = accessibleOf(program_->control<QWidget>(forms::questionnaire, QStringLiteral("Combo1")));
        QCOMPARE(list->text(QAccessible::Value), QString());
        program_->control<QComboBox>(forms::questionnaire, QStringLiteral("Combo1"))->setCurrentIndex(6);
        QCOMPARE(list->text(QAccessible::Value), QStringLiteral("Piramidi"));
    }

    // Every control the keyboard reaches has a name for screen readers; the focus ring
    // stands around the control with the focus, and one of its two colours stands out
    // (3:1) against the screen's ground; every text, and the marks of a scored
    // questionnaire and of the checked exercises, stands out against the ground it stands
    // on; and Esc leaves the screen.
    void everyScreenForEyesAndKeyboard_data()
    {
        QTest::addColumn<QString>("form");
        for (const QString &form : pupilForms)
            QTest::newRow(qPrintable(form)) << form;
    }

    void everyScreenForEyesAndKeyboard()
    {
        QFETCH(QString, form);
        Screen *screen = program_->open(form);
        QStringList unnamed;
        collectUnnamed(accessibleOf(screen), unnamed);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("\n"))));
        auto *ring = screen->findChild<FocusRing *>();
        QVERIFY(ring);
        for (int step = 0; step < 4; ++step) {
            QWidget *focused = screen->focusWidget();
            if (!focused || step > 0) {
                QTest::keyClick(focused ? focused : screen, Qt::Key_Tab);
                focused = screen->focusWidget();
            }
            QVERIFY(focused);
            ring->follow(focused); // offscreen windows are not active: no focus signal comes
            QVERIFY2(ring->isVisible(), qPrintable(focused->objectName()));
            const QRect control(focused->mapTo(screen, QPoint(0, 0)), focused->size());
            QVERIFY(ring->geometry().contains(control));
            QVERIFY(ring->geometry().adjusted(FocusRing::thickness(), FocusRing::thickness(), -FocusRing::thickness(), -FocusRing::thickness())
                    == control);
            const QImage around = screen->grab(ring->geometry().adjusted(-2, -2, 2, 2)).toImage();
            const QColor ground = around.pixelColor(0, 0);
            QVERIFY2(std::max(contrast(FocusRing::outer, ground), contrast(FocusRing::inner, ground)) >= 3.0, qPrintable(ground.name()));
            // Drawn: both colours are on screen where the ring is.
            const QImage drawn = screen->grab(ring->geometry()).toImage();
            QCOMPARE(drawn.pixelColor(1, drawn.height() / 2), FocusRing::outer);
            QCOMPARE(drawn.pixelColor(FocusRing::thickness() - 1, drawn.height() / 2), FocusRing::inner);
        }

        if (form == forms::questionnaire) {
            for (auto *box : screen->findChildren<QCheckBox *>(QStringLiteral("Check1")))
                box->click();
            program_->click(form, QStringLiteral("CMDRISULT"));
        } else if (form == forms::rates) {
            for (auto *box : screen->findChildren<QLineEdit *>())
                box->setText(QStringLiteral("1"));
            program_->click(form, QStringLiteral("CMDRISULT"));
            program_->click(form, QStringLiteral("CmdSOLUZIONE"));
        } else if (form == forms::balances) {
            for (const char *name : {"TXTPOP", "TXTSNATURALE", "TXTSMIGRATORIO"})
                program_->control<QLineEdit>(form, QString::fromUtf8(name))->setText(QStringLiteral("1"));
            for (const char *name : {"Check2(0)", "Check3(0)", "Option3(3)", "Check1(0)"})
                program_->control<QAbstractButton>(form, QString::fromUtf8(name))->setChecked(true);
            program_->click(form, QStringLiteral("AniPushButton1"));
            program_->click(form, QStringLiteral("CmdSOLUZIONE"));
        }
        const QStringList low = lowContrast(screen);
        QVERIFY2(low.isEmpty(), qPrintable(low.join(QStringLiteral("\n"))));

        // Esc leaves every screen as its back button does; on the menu it does nothing.
        if (form != forms::menu) {
            program_->module().chiamante = forms::menu;
            program_->screen(forms::menu)->hide();
            QWidget *focused = screen->focusWidget() ? screen->focusWidget() : screen;
            QTest::keyClick(focused, Qt::Key_Escape);
            QVERIFY2(!screen->isVisible(), qPrintable(focused->objectName()));
            QVERIFY(!program_->visibleScreens().isEmpty());
        }
        QTest::keyClick(program_->screen(forms::menu), Qt::Key_Escape);
        QVERIFY(program_->screen(forms::menu)->isVisible());
        QVERIFY(!program_->exitCode());
    }

    // Ctrl + on the menu makes every text 25 % and then 50 % taller, on the screens made
    // already and on those made later, and the size is kept for the next run.
    void largerTypeKeptBetweenRuns()
    {
        program_.reset(); // two runs of a program of their own
        QTemporaryDir parent;
        const QString folder = TestProgram::makeProgramFolder(parent.path());
        int designed = 0;
        {
            TestProgram program(folder);
            QVERIFY(program.start());
            Screen *menu = program.screen(forms::menu);
            // A short caption with room to grow: longer ones are made smaller to stay whole.
            auto *heading = program.control<QWidget>(forms::menu, QStringLiteral("Cmdquestionari"));
            designed = heading->font().pixelSize();
            program.open(forms::rates);
            auto *readout = program.control<QLabel>(forms::rates, QStringLiteral("Readout"));
            const int readoutDesigned = readout->font().pixelSize();
            program.open(forms::menu);
            QTest::keyClick(menu, Qt::Key_Plus, Qt::ControlModifier);
            QCOMPARE(heading->font().pixelSize(), qRound(designed * 1.25));
            QTest::keyClick(menu, Qt::Key_Plus, Qt::ControlModifier);
            QTest::keyClick(menu, Qt::Key_Plus, Qt::ControlModifier); // no further than 150 %
            QCOMPARE(heading->font().pixelSize(), qRound(designed * 1.5));
            QCOMPARE(readout->font().pixelSize(), qRound(readoutDesigned * 1.5));
            QVERIFY(program.text(forms::menu, QStringLiteral("LabTesto")).startsWith(QStringLiteral("Grandezza del testo: 150%")));
            QTest::keyClick(menu, Qt::Key_Minus, Qt::ControlModifier);
            QCOMPARE(heading->font().pixelSize(), qRound(designed * 1.25));
        }
        TypeScale::setFactor(1.0);
        {
            TestProgram program(folder);
            QVERIFY(program.start());
            QCOMPARE(TypeScale::factor(), 1.25);
            QCOMPARE(program.control<QWidget>(forms::menu, QStringLiteral("Cmdquestionari"))->font().pixelSize(), qRound(designed * 1.25));
            // The settings entry goes round: 150 %, then back to 100 %.
            auto *entry = program.control<ClickLabel>(forms::menu, QStringLiteral("LabTesto"));
            entry->click();
            entry->click();
            QCOMPARE(program.control<QWidget>(forms::menu, QStringLiteral("Cmdquestionari"))->font().pixelSize(), designed);
        }
        QCOMPARE(QSettings(Module::accountSettingsFile(QStringLiteral("impostazioni.ini")), QSettings::IniFormat)
                     .value("testo/ingrandimento")
                     .toDouble(),
                 1.0);
        TypeScale::setFactor(1.0);
    }

    // At 150 % a caption too long for its button takes a smaller type, but stays whole.
    void captionsStayWholeAtTheLargestType()
    {
        for (const QString &form : pupilForms)
            program_->open(form);
        Screen *menu = program_->open(forms::menu);
        QTest::keyClick(menu, Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(menu, Qt::Key_Plus, Qt::ControlModifier);
        QStringList cut;
        for (const QString &form : pupilForms)
            for (QPushButton *button : program_->open(form)->findChildren<QPushButton *>()) {
                if (button->text().isEmpty() || !button->isVisible() || button->property("wrapsCaption").toBool())
                    continue;
                if (button->fontMetrics().horizontalAdvance(button->text()) > button->width())
                    cut << form + QLatin1Char('/') + button->objectName();
            }
        TypeScale::setFactor(1.0);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
