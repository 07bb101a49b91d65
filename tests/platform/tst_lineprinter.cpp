#include "platform/qtlineprinter.h"

#include <QApplication>
#include <QTest>

using namespace censaria;

class TestLinePrinter : public QObject
{
    Q_OBJECT
private slots:
    void tabsMoveToCharacterColumns()
    {
        RecordingPrinter printer;
        QVERIFY(printer.endDocument()); // an empty document is still ended
        printer.tab(7);
        printer.print(QStringLiteral("ROSSI MARIO"));
        printer.newLine();
        printer.print(QStringLiteral("Piramidi"));
        printer.tab(35);
        printer.print(QStringLiteral(" 7 "));
        printer.tab(45);
        printer.print(QStringLiteral("12/03/2026"));
        printer.newLine();
        // A tab to a column already passed goes to the next line.
        printer.print(QStringLiteral("Un titolo molto lungo che supera la colonna"));
        printer.tab(35);
        printer.print(QStringLiteral("x"));
        printer.newLine();
        printer.newLine();
        QVERIFY(printer.endDocument());
        QCOMPARE(printer.documents.size(), 2);
        QCOMPARE(printer.documents.first(), QStringList());
        QCOMPARE(printer.documents.last(),
                 (QStringList{QString(6, u' ') + QStringLiteral("ROSSI MARIO"),
                              QStringLiteral("Piramidi").leftJustified(34) + QStringLiteral(" 7 ").leftJustified(10)
                                  + QStringLiteral("12/03/2026"),
                              QStringLiteral("Un titolo molto lungo che supera la colonna"), QString(34, u' ') + u'x', QString()}));
    }
};

QTEST_MAIN(TestLinePrinter)
#include "tst_lineprinter.moc"
