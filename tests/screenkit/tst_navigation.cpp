#include "programtest.h"
#include "testsupport/standins.h"

#include <QBackingStore>
#include <QImage>

using namespace censaria;

class TestNavigation : public ProgramTest
{
    Q_OBJECT

    StandInScreen *screen(const QString &name) { return static_cast<StandInScreen *>(program_->screen(name)); }

    void beforeStart() override
    {
        ScreenRegistry &registry = program_->module().screens();
        for (const QString &name : {forms::simulation, forms::rates, forms::questionnaire})
            registry.add(name, [name](Module &m) { return new StandInScreen(m, name); });
        registry.add(forms::results, [](Module &m) { return new StandInResults(m); });
    }

private slots:
    // The roads through the results screen are walked on the real screens; here, that it
    // is refreshed each time it is opened.
    void resultsAreRefreshedWhenOpened()
    {
        program_->module().navigation().show(forms::rates);
        program_->screen(forms::menu)->hide();
        screen(forms::rates)->openResults();
        QCOMPARE(static_cast<StandInResults *>(program_->screen(forms::results))->refreshes, 1);
        screen(forms::results)->goBack();
        screen(forms::rates)->openResults();
        QCOMPARE(static_cast<StandInResults *>(program_->screen(forms::results))->refreshes, 2);
    }

    // A hidden screen gives back the display's worth of pixels the window system keeps of
    // it (33 MB a screen on a 4K panel); shown again, it is painted whole, as it was.
    void aHiddenScreenGivesBackItsPixelsAndIsPaintedWholeAgain()
    {
        Screen *menu = program_->screen(forms::menu);
        auto pixels = [menu]() -> QImage {
            QCoreApplication::processEvents();
            const auto *image = dynamic_cast<const QImage *>(menu->backingStore()->paintDevice());
            return image ? *image : QImage();
        };
        const QImage shown = pixels();
        QCOMPARE(shown.size(), menu->size() * menu->devicePixelRatio());
        QVERIFY(shown.pixel(shown.rect().center()) != 0);

        program_->module().navigation().show(forms::simulation);
        menu->hide();
        QVERIFY(menu->backingStore()->size().width() * menu->backingStore()->size().height() <= 1);

        screen(forms::simulation)->goToMenu();
        QCOMPARE(pixels(), shown);
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
