#include "screentest.h"
#include "pyramids/pyramidsscreen.h"
#include "pyramids/pyramidwidgets.h"

#include <algorithm>

using namespace censaria;

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
    void setAllRates(const QString &name, const QString &rate)
    {
        for (QLineEdit *box : group<QLineEdit>(name))
            box->setText(rate);
    }
    void step() { button(QStringLiteral("CmdNUOVO"))->click(); }

private slots:
    void init()
    {
        program_ = std::make_unique<TestProgram>();
        QVERIFY(program_->start());
    }
    void cleanup() { program_.reset(); }

    // The bars' widths and the ages' captions are in the described snapshots; here, where they stand.
    void barsAreCentred()
    {
        PyramidPicture *pic = picture();
        for (int bar = 0; bar < PyramidPicture::barCount; ++bar)
            QVERIFY(qAbs(pic->barRect(bar).center().x() - pic->width() / 2.0) < 1e-9);
        QVERIFY(pic->barRect(0).top() > pic->barRect(17).top()); // youngest at the bottom
        QCOMPARE(PyramidPicture::barColour(0), QColor(0, 255, 255));
        QCOMPARE(PyramidPicture::barColour(17), QColor(255, 0, 255));
        auto *ages = program_->control<StackedLabel>(forms::pyramids, QStringLiteral("Label1"));
        QVERIFY(qAbs(ages->geometry().center().x() - pic->width() / 2) <= 1);
    }

    // Faults: the screen stays usable and says why.
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
