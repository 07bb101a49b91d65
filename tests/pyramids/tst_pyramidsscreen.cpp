#include "screentest.h"
#include "pyramids/pyramidwidgets.h"

using namespace censaria;

class TestPyramidsScreen : public QObject
{
    Q_OBJECT

private slots:
    // The bars' widths and the ages' captions are in the described snapshots; here, where they stand.
    void barsAreCentred()
    {
        TestProgram program;
        QVERIFY(program.start());
        PyramidPicture *pic = program.control<PyramidPicture>(forms::pyramids, QStringLiteral("Picture1"));
        for (int bar = 0; bar < PyramidPicture::barCount; ++bar)
            QVERIFY(qAbs(pic->barRect(bar).center().x() - pic->width() / 2.0) < 1e-9);
        QVERIFY(pic->barRect(0).top() > pic->barRect(17).top()); // youngest at the bottom
        QCOMPARE(PyramidPicture::barColour(0), QColor(0, 255, 255));
        QCOMPARE(PyramidPicture::barColour(17), QColor(255, 0, 255));
        auto *ages = program.control<StackedLabel>(forms::pyramids, QStringLiteral("Label1"));
        QVERIFY(qAbs(ages->geometry().center().x() - pic->width() / 2) <= 1);
    }
};

QTEST_MAIN(TestPyramidsScreen)
#include "tst_pyramidsscreen.moc"
