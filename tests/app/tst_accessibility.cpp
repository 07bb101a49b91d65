// What a pupil who cannot see the screen well, or cannot use the mouse, meets: names
// for screen readers on every control, contrast of every text, a focus ring that shows,
// Esc that leaves every screen, and the larger type kept between runs.
#include "app/focusring.h"
#include "app/forms.h"
#include "app/typesize.h"
#include "platform/twips.h"
#include "platform/typescale.h"
#include "testsupport/censariatest.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QTextEdit>
#include <cmath>

using namespace censaria;

namespace {

const QStringList everyForm = {forms::menu, forms::lessons, forms::questionnaire, forms::rates, forms::balances,
                               forms::simulation, forms::pyramids, forms::families, forms::results};

Screen *open(TestProgram &program, const QString &form)
{
    if (form == forms::lessons)
        program.module().navigation().showLessonPage(QStringLiteral("Storia1"));
    else if (form == forms::questionnaire)
        program.module().navigation().showQuestionnaire(QStringLiteral("QStoria1"));
    else
        program.module().navigation().show(form);
    QCoreApplication::processEvents();
    return program.screen(form);
}

QString describe(QAccessibleInterface *node)
{
    const QObject *object = node->object();
    QString name = object ? object->objectName() : QString();
    if (object && object->property("index").isValid())
        name += QStringLiteral("[%1]").arg(object->property("index").toInt());
    return QStringLiteral("%1 (%2, role %3)").arg(name, object ? object->metaObject()->className() : "?").arg(int(node->role()));
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

QAccessibleInterface *accessibleOf(QWidget *widget) { return QAccessible::queryAccessibleInterface(widget); }

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

// The colour most of the control's own pixels have: the ground its text stands on.
QColor groundOf(QWidget *control)
{
    const QImage image = control->grab().toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    QRgb best = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    return QColor(best);
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
        if (ratio < neededContrast(w))
            found << QStringLiteral("%1 \"%2\": %3 on %4 = %5")
                         .arg(w->objectName(), textShown(w).left(30), text.name(), ground.name())
                         .arg(ratio, 0, 'f', 2);
    }
    return found;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void everyReachableControlHasAName_data()
    {
        QTest::addColumn<QString>("form");
        for (const QString &form : everyForm)
            QTest::newRow(qPrintable(form)) << form;
    }

    void everyReachableControlHasAName()
    {
        QFETCH(QString, form);
        TestProgram program;
        program.dialogs().queueAnswer(QStringLiteral("Rossi Mario"));
        QVERIFY(program.start());
        Screen *screen = open(program, form);
        QStringList unnamed;
        collectUnnamed(accessibleOf(screen), unnamed);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("\n"))));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
