#include "screentest.h"
#include "platform/twips.h"
#include "pyramids/pyramidsscreen.h"
#include "pyramids/pyramidwidgets.h"

#include <QFontMetrics>
#include <QRegularExpression>

#include <algorithm>

using namespace censaria;

namespace {

// A number as the screen writes it: groups of three digits joined by no-break spaces.
QString grouped(const char *text)
{
    return QString::fromUtf8(text).replace(u' ', QChar(0x00A0));
}

} // namespace

class TestPyramidsScreen : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program_;

    PyramidsScreen *screen() { return static_cast<PyramidsScreen *>(program_->screen(forms::pyramids)); }
    QString text(const QString &label) { return program_->text(forms::pyramids, label); }
    QPushButton *button(const QString &name) { return program_->control<QPushButton>(forms::pyramids, name); }
    PyramidPicture *picture() { return program_->control<PyramidPicture>(forms::pyramids, QStringLiteral("Picture1")); }

    // The boxes of an indexed group, in index order.
    template <typename T>
    QList<T *> group(const QString &name)
    {
        QList<T *> items = screen()->findChildren<T *>(name);
        std::sort(items.begin(), items.end(), [](T *a, T *b) { return a->property("index").toInt() < b->property("index").toInt(); });
        return items;
    }
    QStringList boxTexts(const QString &name)
    {
        QStringList texts;
        for (const QLineEdit *box : group<QLineEdit>(name))
            texts.append(box->text());
        return texts;
    }
    void setAllRates(const QString &name, const QString &rate)
    {
        for (QLineEdit *box : group<QLineEdit>(name))
            box->setText(rate);
    }
    QStringList disabledCountryButtons()
    {
        QStringList names;
        for (const char *name : {"CmdITALIA", "cmdalgeria", "cmdUSA"})
            if (!button(QString::fromLatin1(name))->isEnabled())
                names.append(QString::fromLatin1(name));
        return names;
    }
    void step() { button(QStringLiteral("CmdNUOVO"))->click(); }
    // Model, total, natality, mortality and years as the labels show them.
    QStringList figures()
    {
        QStringList texts;
        for (const char *label : {"labmodello", "Labtotpop", "Label13", "Label14", "Labanni"})
            texts.append(text(QString::fromLatin1(label)));
        return texts;
    }

private slots:
    void init()
    {
        program_ = std::make_unique<TestProgram>();
        QVERIFY(program_->start());
    }
    void cleanup() { program_.reset(); }

    void opensOnItaly()
    {
        QCOMPARE(screen()->windowTitle(), QStringLiteral("La piramide della popolazione"));
        QCOMPARE(figures(), (QStringList{"ITALIA", grouped("57 836 000"), "0,9", "1", "0"}));
        QCOMPARE(disabledCountryButtons(), QStringList{QStringLiteral("CmdITALIA")});
        QCOMPARE(boxTexts(QStringLiteral("Text6")), (QStringList{"30", "150", "300", "250", "100", "50"}));
        QCOMPARE(boxTexts(QStringLiteral("Text7")).first(), QStringLiteral("500"));
        QCOMPARE(boxTexts(QStringLiteral("Text7")).last(), QStringLiteral("10"));
        QVERIFY(program_->dialogs().messages.isEmpty());
    }

    void rateBoxesCarryTheirClassAndColour()
    {
        const QList<QLabel *> birthLabels = group<QLabel>(QStringLiteral("Label6"));
        const QList<QLineEdit *> birthBoxes = group<QLineEdit>(QStringLiteral("Text6"));
        QCOMPARE(birthLabels.size(), 6);
        QCOMPARE(birthBoxes.size(), 6);
        QCOMPARE(birthLabels.first()->text(), QStringLiteral("40-44"));
        QCOMPARE(birthLabels.last()->text(), QStringLiteral("15-19"));
        // Box 0 belongs to class 9, whose bar (index 8) is cyan; box 1 to the magenta bar of class 8.
        QCOMPARE(birthBoxes[0]->palette().color(QPalette::Base), QColor(0, 255, 255));
        QCOMPARE(birthBoxes[1]->palette().color(QPalette::Base), QColor(255, 0, 255));

        const QList<QLabel *> deathLabels = group<QLabel>(QStringLiteral("Label7"));
        const QList<QLineEdit *> deathBoxes = group<QLineEdit>(QStringLiteral("Text7"));
        QCOMPARE(deathLabels.size(), 17);
        QCOMPARE(deathBoxes.size(), 17);
        QCOMPARE(deathLabels.first()->text(), QStringLiteral("80-84"));
        QCOMPARE(deathLabels.last()->text(), QStringLiteral("00-04"));
        QCOMPARE(deathBoxes[0]->palette().color(QPalette::Base), PyramidPicture::barColour(16));
        QCOMPARE(deathBoxes[16]->palette().color(QPalette::Base), QColor(0, 255, 255));
    }

    void barsAreCentredAndScaled()
    {
        PyramidPicture *pic = picture();
        const double scale = Twips::scale();
        for (int bar = 0; bar < PyramidPicture::barCount; ++bar) {
            const QRectF box = pic->barRect(bar);
            QVERIFY(qAbs(box.center().x() - pic->width() / 2.0) < 1e-9);
            QVERIFY(qAbs(box.width() - screen()->model().popclassi(bar + 1) / 4000.0 * scale) < 1e-9);
        }
        QVERIFY(pic->barRect(0).top() > pic->barRect(17).top()); // youngest at the bottom
        QCOMPARE(PyramidPicture::barColour(0), QColor(0, 255, 255));
        QCOMPARE(PyramidPicture::barColour(17), QColor(255, 0, 255));

        auto *ages = program_->control<StackedLabel>(forms::pyramids, QStringLiteral("Label1"));
        QCOMPARE(ages->lines().size(), 18);
        QCOMPARE(ages->lines().first(), QStringLiteral("85 -90"));
        QCOMPARE(ages->lines().last(), QStringLiteral("00 -04"));
        QVERIFY(qAbs(ages->geometry().center().x() - pic->width() / 2) <= 1);
    }

    void countryButtonsLoadTheirModel_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("source");
        QTest::newRow("Algeria") << "cmdalgeria" << QStringList{"ALGERIA", grouped("28 205 800"), "2,3", "0,5", "0"}
                                 << "Mortalità alle varie età: ONU, World Population Prospects 2019 (anni 1995-2000)";
        QTest::newRow("USA") << "cmdUSA" << QStringList{"USA", grouped("263 200 000"), "1,4", "0,9", "0"} << "";
        QTest::newRow("Italia") << "CmdITALIA" << QStringList{"ITALIA", grouped("57 836 000"), "0,9", "1", "0"} << "";
    }
    void countryButtonsLoadTheirModel()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, shown);
        QFETCH(QString, source);
        // Any time: after two steps of another model.
        this->button(button == QStringLiteral("CmdITALIA") ? QStringLiteral("cmdUSA") : QStringLiteral("CmdITALIA"))->click();
        step();
        step();
        this->button(button)->click();
        QCOMPARE(figures(), shown);
        QCOMPARE(disabledCountryButtons(), QStringList{button});
        // Figures taken from a publisher name it on the screen.
        QCOMPARE(program_->text(forms::pyramids, QStringLiteral("LabFonte")), source);
    }

    void aStepShowsTheNewFigures()
    {
        step();
        QCOMPARE(figures(), (QStringList{"ITALIA", grouped("56 533 204"), "1,2", "1,2", "5"}));
        QCOMPARE(screen()->model().popclassi(1), 3488542);
        // Each share whole, to one decimal, in a label it fits.
        for (const char *name : {"Label2", "Label5", "Label11"}) {
            auto *share = program_->control<QLabel>(forms::pyramids, QString::fromLatin1(name));
            QVERIFY2(QRegularExpression(QStringLiteral("^\\d+,\\d\\x{00a0}%$")).match(share->text()).hasMatch(), qPrintable(share->text()));
            QVERIFY2(QFontMetrics(share->font()).horizontalAdvance(share->text()) <= share->contentsRect().width(), name);
        }
        QCOMPARE(text(QStringLiteral("Label2")), screen()->model().youngShareText());
        QCOMPARE(picture()->barRect(0).width(), 3488542 / 4000.0 * Twips::scale());
        step();
        QCOMPARE(text(QStringLiteral("Labanni")), QStringLiteral("10"));
    }

    void backToTheStartRestoresTheModel()
    {
        button(QStringLiteral("cmdalgeria"))->click();
        setAllRates(QStringLiteral("Text7"), QStringLiteral("7"));
        group<QLineEdit>(QStringLiteral("Text6"))[2]->setText(QStringLiteral("999"));
        for (int i = 0; i < 3; ++i)
            step();
        button(QStringLiteral("cmdinizio"))->click();
        QCOMPARE(figures(), (QStringList{"ALGERIA", grouped("28 205 800"), "2,3", "0,5", "0"}));
        QCOMPARE(disabledCountryButtons(), QStringList{QStringLiteral("cmdalgeria")});
        QCOMPARE(boxTexts(QStringLiteral("Text6")), (QStringList{"70", "180", "250", "300", "340", "300"}));
        QCOMPARE(boxTexts(QStringLiteral("Text7")).first(), QStringLiteral("537"));
        QCOMPARE(picture()->barRect(17).width(), 0.0);
        QCOMPARE(picture()->barRect(16).width(), 100800 / 4000.0 * Twips::scale());
    }

    // Faults: the screen stays usable and shows sensible figures.

    // Rates beyond 0 to 1000 empty the population: zeros everywhere, no bar, and the years go on.
    void anEmptiedPopulationShowsZeros()
    {
        setAllRates(QStringLiteral("Text6"), QStringLiteral("-40"));
        setAllRates(QStringLiteral("Text7"), QStringLiteral("2500"));
        step();
        for (const char *label : {"Labtotpop", "Label13", "Label14"})
            QCOMPARE(text(QString::fromLatin1(label)), QStringLiteral("0"));
        for (const char *label : {"Label2", "Label5", "Label11"})
            QCOMPARE(text(QString::fromLatin1(label)), grouped("0,0 %"));
        for (int bar = 0; bar < PyramidPicture::barCount; ++bar)
            QCOMPARE(picture()->barRect(bar).width(), 0.0);
        step();
        QCOMPARE(text(QStringLiteral("Labanni")), QStringLiteral("10"));
        QVERIFY(program_->dialogs().messages.isEmpty());
    }

    void aPopulationTooLargeIsRefusedWithAMessage()
    {
        group<QLineEdit>(QStringLiteral("Text6"))[0]->setText(QStringLiteral("1E9"));
        step();
        QCOMPARE(program_->dialogs().messages.size(), 1);
        QVERIFY(program_->dialogs().messages.first().text.contains(QStringLiteral("troppo grande")));
        QCOMPARE(text(QStringLiteral("Labanni")), QStringLiteral("0"));
        QCOMPARE(text(QStringLiteral("Labtotpop")), grouped("57 836 000"));
        group<QLineEdit>(QStringLiteral("Text6"))[0]->setText(QStringLiteral("30"));
        step();
        QCOMPARE(text(QStringLiteral("Labtotpop")), grouped("56 533 204"));
    }

    void theYearsStopBeforeTheirLimitWithAMessage()
    {
        setAllRates(QStringLiteral("Text6"), QStringLiteral("0"));
        setAllRates(QStringLiteral("Text7"), QStringLiteral("0"));
        for (int i = 0; i < 6553; ++i)
            step();
        QCOMPARE(text(QStringLiteral("Labanni")), QStringLiteral("32765"));
        QVERIFY(program_->dialogs().messages.isEmpty());
        step();
        QCOMPARE(text(QStringLiteral("Labanni")), QStringLiteral("32765"));
        QCOMPARE(program_->dialogs().messages.size(), 1);
        QVERIFY(program_->dialogs().messages.first().text.contains(QStringLiteral("Torno alla situazione iniziale")));
        button(QStringLiteral("cmdinizio"))->click();
        QCOMPARE(text(QStringLiteral("Labanni")), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestPyramidsScreen)
#include "tst_pyramidsscreen.moc"
