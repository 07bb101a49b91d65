#include "programtest.h"
#include "simulation/growthgraph.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

using namespace censaria;

namespace {

// A number as the screen writes it: groups of three digits joined by no-break spaces.
QString grouped(const char *text)
{
    return QString::fromUtf8(text).replace(u' ', QChar(0x00A0));
}

} // namespace

class TestSimulationScreen : public ProgramTest
{
    Q_OBJECT

    QLineEdit *box(const char *name) { return program_->control<QLineEdit>(forms::simulation, QString::fromUtf8(name)); }
    QLabel *label(const char *name) { return program_->control<QLabel>(forms::simulation, QString::fromUtf8(name)); }
    QPushButton *button(const char *name) { return program_->control<QPushButton>(forms::simulation, QString::fromUtf8(name)); }
    GrowthGraph *graph() { return program_->control<GrowthGraph>(forms::simulation, QStringLiteral("Graph1")); }
    void press(const char *name, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(button(name), Qt::LeftButton);
    }
    void type(const QString &year, const QString &population, const QString &births, const QString &deaths)
    {
        box("Text1")->setText(year);
        box("txtpopiniziale")->setText(population);
        box("txtnatal")->setText(births);
        box("Txtmortal")->setText(deaths);
    }

    void afterStart() override { program_->click(forms::menu, QStringLiteral("Cmddinamiche")); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); } // as the program runs

    // Results in groups of three digits are wider than plain digits: each is shown whole,
    // and a common one keeps the type of its row.
    void everyResultIsShownWhole_data()
    {
        QTest::addColumn<QSize>("display");
        for (const QSize &display : {QSize(1024, 768), QSize(1920, 1080), QSize(3840, 2160)})
            QTest::addRow("%dx%d", display.width(), display.height()) << display;
    }
    void everyResultIsShownWhole()
    {
        QFETCH(QSize, display);
        program_ = std::make_unique<TestProgram>();
        program_->display().displaySize = display;
        QVERIFY(program_->start());
        program_->click(forms::menu, QStringLiteral("Cmddinamiche"));
        const auto wholeTexts = [this] {
            QStringList cut;
            for (const char *name : {"labanno", "Labnati", "Labmorti", "labincranno", "labrisult", "Labincr1998"}) {
                const QLabel *result = label(name);
                if (result->fontMetrics().horizontalAdvance(result->text()) > result->contentsRect().width())
                    cut << result->text();
            }
            return cut;
        };
        type(QStringLiteral("2000"), QStringLiteral("57600000"), QStringLiteral("9.4"), QStringLiteral("9.7"));
        press("cmdcalcola"); // the figures of the snapshot Fgrafici-italia-2000
        QCOMPARE(wholeTexts(), QStringList());
        const int populationType = label("labrisult")->font().pixelSize();
        QCOMPARE(populationType, label("labanno")->font().pixelSize());

        press("CmdNUOVO");
        type(QStringLiteral("2000"), QStringLiteral("1000000000"), QStringLiteral("1000"), QStringLiteral("0"));
        press("cmdcalcola");
        QCOMPARE(label("Labincr1998")->text(), grouped("1 000 000 000"));
        QCOMPARE(wholeTexts(), QStringList());

        // Back to common figures, back to the common type.
        press("CmdNUOVO");
        type(QStringLiteral("2000"), QStringLiteral("57600000"), QStringLiteral("9.4"), QStringLiteral("9.7"));
        press("cmdcalcola");
        QCOMPARE(label("labrisult")->font().pixelSize(), populationType);
        QCOMPARE(label("Labincr1998")->font().pixelSize(), label("Labnati")->font().pixelSize());
    }

    // Algeria 1997 for sixty years, then a mortality crisis: the line passes 1,2 times the
    // start in the 12th year and falls back under it. Every point must be drawn inside the plot.
    void everyPointStaysInsideThePlot()
    {
        program_->screen(forms::simulation)->grab(); // laid out as on screen
        type(QStringLiteral("1997"), QStringLiteral("29 650 000"), QStringLiteral("21.6"), QStringLiteral("5.3"));
        const auto checkInside = [this] {
            const QRectF plot = graph()->chart()->plotArea();
            for (const QPointF &point : graph()->series()->points()) {
                const QPointF at = graph()->chart()->mapToPosition(point, graph()->series());
                QVERIFY2(at.y() >= plot.top() - 0.5 && at.y() <= plot.bottom() + 0.5,
                         qPrintable(
                             QStringLiteral("%1 drawn at %2, plot %3 to %4").arg(point.y()).arg(at.y()).arg(plot.top()).arg(plot.bottom())));
            }
        };
        for (int year = 0; year < 60 && !QTest::currentTestFailed(); ++year) {
            press("cmdcalcola");
            checkInside();
        }
        if (QTest::currentTestFailed())
            return;
        QVERIFY(graph()->populationAxis()->max() > 1.2 * 29650000);
        box("Txtmortal")->setText(QStringLiteral("900"));
        press("cmdcalcola");
        checkInside();
        if (QTest::currentTestFailed())
            return;
        QVERIFY(graph()->populationAxis()->min() >= 0);
        QVERIFY(graph()->populationAxis()->min() < 0.9 * 29650000);
        QVERIFY(program_->dialogs().messages.isEmpty());
    }
};

QTEST_MAIN(TestSimulationScreen)
#include "tst_simulationscreen.moc"
