#include "platform/lineprinter.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace censaria;

class TestLinePrinter : public QObject
{
    Q_OBJECT
private slots:
    void tabsMoveToCharacterColumns()
    {
        RecordingPrinter printer;
        printer.tab(7);
        printer.print(QStringLiteral("ROSSI MARIO"));
        printer.newLine();
        printer.print(QStringLiteral("Piramidi"));
        printer.tab(35);
        printer.print(QStringLiteral(" 7 "));
        printer.tab(45);
        printer.print(QStringLiteral("12/03/2026"));
        printer.newLine();
        printer.newLine();
        QVERIFY(printer.endDocument());
        QCOMPARE(printer.documents.size(), 1);
        const QStringList lines = printer.documents.first();
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QString(6, u' ') + QStringLiteral("ROSSI MARIO"));
        QCOMPARE(lines[1].indexOf(QStringLiteral(" 7 ")), 34);
        QCOMPARE(lines[1].indexOf(QStringLiteral("12/03/2026")), 44);
        QCOMPARE(lines[2], QString());
    }

    void aTabToAPassedColumnGoesToTheNextLine()
    {
        RecordingPrinter printer;
        printer.print(QStringLiteral("Un titolo molto lungo che supera la colonna"));
        printer.tab(35);
        printer.print(QStringLiteral("x"));
        printer.endDocument();
        const QStringList lines = printer.documents.first();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[1], QString(34, u' ') + u'x');
    }

    void anEmptyDocumentIsStillEnded()
    {
        RecordingPrinter printer;
        QVERIFY(printer.endDocument());
        QCOMPARE(printer.documents, QList<QStringList>{QStringList()});
        printer.print(QStringLiteral("dopo"));
        printer.endDocument();
        QCOMPARE(printer.documents.last(), QStringList{QStringLiteral("dopo")});
    }

    void rendersOntoAPdf()
    {
        QTemporaryDir dir;
        QtLinePrinter printer;
        const QString pdf = dir.filePath(QStringLiteral("pagina.pdf"));
        printer.setPdfOutput(pdf);
        for (int i = 0; i < 120; ++i) { // more than one page
            printer.print(QStringLiteral("Riga %1").arg(i));
            printer.tab(35);
            printer.print(QStringLiteral(" %1 ").arg(i % 11));
            printer.newLine();
        }
        QVERIFY(printer.endDocument());
        QVERIFY(QFileInfo(pdf).size() > 1000);
    }
};

QTEST_MAIN(TestLinePrinter)
#include "tst_lineprinter.moc"
