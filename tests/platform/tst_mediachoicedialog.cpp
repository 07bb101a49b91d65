#include "platform/mediachoicedialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace censaria;

namespace {

QStringList visibleButtons(const QDialog &dialog)
{
    QStringList texts;
    for (const QPushButton *button : dialog.findChildren<QPushButton *>())
        if (button->isVisible())
            texts.append(button->text());
    texts.sort();
    return texts;
}

void clickButton(const QDialog &dialog, const QString &text)
{
    for (QPushButton *button : dialog.findChildren<QPushButton *>())
        if (button->text() == text)
            button->click();
}

} // namespace

// The choice window of the real seam, shown but never run modally.
class TestMediaChoiceDialog : public QObject
{
    Q_OBJECT
private slots:
    void theMediaAreListedAndTheSelectedOneIsTakenOrNone()
    {
        const QList<Medium> media{{QStringLiteral("/media/anna/CHIAVETTA"), QStringLiteral("CHIAVETTA"), 8LL << 30, 3LL << 30},
                                  {QStringLiteral("/media/anna/SCHEDA"), QStringLiteral("SCHEDA"), 2LL << 30, 1LL << 30}};
        MediaChoiceDialog dialog(media, QStringLiteral("Censaria"), nullptr);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Censaria"));
        auto *list = dialog.findChild<QListWidget *>(QStringLiteral("mediaList"));
        QCOMPARE(list->count(), 2);
        QVERIFY(list->item(1)->text().startsWith(QStringLiteral("SCHEDA  (")));
        QCOMPARE(visibleButtons(dialog),
                 (QStringList{QStringLiteral("Annulla"), QStringLiteral("Salva qui"), QStringLiteral("Scegli una cartella…")}));
        // Both media fit in the list without scrolling.
        QVERIFY(list->visualItemRect(list->item(1)).bottom() < list->viewport()->height());

        list->setCurrentRow(1);
        clickButton(dialog, QStringLiteral("Salva qui"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenRoot(), QStringLiteral("/media/anna/SCHEDA"));

        // Without media, only a folder or cancel are offered.
        MediaChoiceDialog none({}, QStringLiteral("Censaria"), nullptr);
        none.show();
        QVERIFY(!none.findChild<QListWidget *>(QStringLiteral("mediaList"))->isVisible());
        QCOMPARE(visibleButtons(none), (QStringList{QStringLiteral("Annulla"), QStringLiteral("Scegli una cartella…")}));
        clickButton(none, QStringLiteral("Annulla"));
        QCOMPARE(none.result(), int(QDialog::Rejected));
        QVERIFY(none.chosenRoot().isEmpty());
    }
};

QTEST_MAIN(TestMediaChoiceDialog)
#include "tst_mediachoicedialog.moc"
