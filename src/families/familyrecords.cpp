#include "familyrecords.h"

namespace censaria {

// The people are invented; their dates, ages and fates are those of the lesson. Every age
// is the age reached on the day, from the dates of the line (or the family's wedding).

const QList<FamilyRecord> &traditionalFamilies()
{
    static const QList<FamilyRecord> families = {
        {QStringLiteral("8 ottobre 1639"),
         {QStringLiteral(
              "BATTISTA FERRANTI, mastro fabbro, figlio di Domenico (mastro fabbro), nato il 13-10-1618, sposato a 20 anni, morto a 67 anni"),
          QStringLiteral("MADDALENA GUIDI, casalinga, figlia di Bernardo (mastro sarto), nata il 2-4-1620, sposata a 19 anni, morta a 71 anni")},
         {QStringLiteral("PIETRO FERRANTI, figlio di Battista (mastro fabbro), nato il 6-9-1640, morto il 15-9-1640"),
          QStringLiteral("CATERINA FERRANTI, figlia di Battista (mastro fabbro), nata il 3-11-1641, sposata nel 1661, morta nel 1704 a 63 anni"),
          QStringLiteral("LUCIA FERRANTI, monaca, figlia di Battista (mastro fabbro), nata il 7-2-1643, morta il 14-6-1707 a 64 anni"),
          QStringLiteral("FRANCESCO FERRANTI, figlio di Battista (mastro fabbro), nato il 12-1-1645, morto il 12-4-1653 a 8 anni"),
          QStringLiteral("GIACOMO FERRANTI, figlio di Battista (mastro fabbro), nato il 23-3-1647, morto ucciso il 21-4-1666 a 19 anni"),
          QStringLiteral("ANGELA FERRANTI, figlia di Battista (mastro fabbro), nata il 9-9-1649, morta il 10-11-1649 nell'epidemia di tifo"),
          QStringLiteral("MARGHERITA FERRANTI, nubile, figlia di Battista (mastro fabbro), nata il 29-10-1653, morta nel 1710 a 57 anni"),
          QStringLiteral("ANTONIO FERRANTI, figlio di Battista (mastro fabbro), nato il 15-12-1657, morto il 5-5-1662 a 4 anni"),
          QStringLiteral("GIUSEPPE FERRANTI, figlio di Battista (mastro fabbro), nato il 7-7-1661, morto il 19-3-1670 a 8 anni")},
         {}},
        {QStringLiteral("18 ottobre 1639"),
         {QStringLiteral("ORAZIO BENVENUTI, cancelliere, figlio di Girolamo (notaio), nato il 26-3-1612, sposato a 27 anni, morto a 68 anni"),
          QStringLiteral("ELEONORA SALVETTI, figlia di Cesare (medico), nata nel 1618, sposata a 21 anni, morta di tifo nel 1649 a 31 anni"),
          QStringLiteral(
              "VITTORIA ALDINI, seconde nozze l'8-12-1649, figlia di Ercole (capitano), nata nel 1629, sposata a 20 anni, morta nel 1702 a 73 anni")},
         {QStringLiteral("BAMBINO SENZA NOME, figlio di Orazio (cancelliere), nato morto il 16-5-1640"),
          QStringLiteral("CLAUDIA BENVENUTI, figlia di Orazio (cancelliere), nata il 20-7-1641, morta di tifo nel 1649 a 8 anni"),
          QStringLiteral("GIROLAMO BENVENUTI, medico, figlio di Orazio (cancelliere), nato il 3-6-1643, sposato a 26 anni, morto a 70 anni"),
          QStringLiteral("LORENZO BENVENUTI, sacerdote, figlio di Orazio (cancelliere), nato il 15-9-1645, morto a 59 anni"),
          QStringLiteral("NICCOLÒ BENVENUTI, figlio di Orazio (cancelliere), nato il 28-11-1647, morto di tifo nel 1649 a 2 anni"),
          QStringLiteral("ELEONORA BENVENUTI, figlia di Orazio (cancelliere), nata il 6-10-1649, morta di tifo alla nascita insieme alla madre"),
          QStringLiteral(
              "ALESSANDRO BENVENUTI, capitano, figlio di Orazio (cancelliere), nato il 18-9-1651, sposato a 32 anni, morto in combattimento a 37 anni"),
          QStringLiteral("ISABELLA BENVENUTI, figlia di Orazio (cancelliere), nata il 9-9-1653, sposata a 19 anni, morta nel 1724 a 71 anni"),
          QStringLiteral("COSTANZA BENVENUTI, monaca, figlia di Orazio (cancelliere), nata il 15-8-1655, morta a 62 anni"),
          QStringLiteral("FILIPPO BENVENUTI, figlio di Orazio (cancelliere), nato il 3-3-1660, morto annegato nel fiume nel 1673 a 13 anni")},
         {}},
        {QStringLiteral("28 novembre 1642"),
         {QStringLiteral(
              "DOMENICO CASADEI, mezzadro, figlio di Matteo (mezzadro), nato il 12-1-1616, sposato a 26 anni, morto di tifo nel 1649 a 33 anni"),
          QStringLiteral("MARIA ROSSETTI, figlia di Vincenzo (mezzadro), nata il 24-12-1615, sposata a 26 anni, morta nel 1695, a 80 anni")},
         {QStringLiteral("MATTEO CASADEI, figlio di Domenico (mezzadro), nato il 4-1-1644, morto nel 1647 a 3 anni"),
          QStringLiteral("DOMENICA CASADEI, figlia di Domenico (mezzadro), nata il 13-8-1646, sposata a 29 anni, morta a 66 anni"),
          QStringLiteral("GIOVANNI CASADEI, mezzadro, figlio di Domenico (mezzadro), nato il 21-5-1649, sposato a 24 anni, morto a 68 anni")},
         {}},
        {QStringLiteral("3 marzo 1643"),
         {QStringLiteral(
              "BARTOLOMEO MARCHETTI, mezzadro, figlio di Sante (mezzadro), nato il 19-7-1617, sposato a 25 anni, morto nel 1660 a 43 anni"),
          QStringLiteral(
              "ANNA BERTOZZI, figlia di Luca (legnaiuolo), nata il 26-6-1619, sposata a 23 anni, morta a 32 anni di malattia ignota")},
         {},
         QStringLiteral("  Famiglia sterile.")},
        {QStringLiteral("29 settembre 1645"),
         {QStringLiteral("SIMONE LAZZERI, mezzadro, figlio di Paolo (mezzadro), nato il 17-4-1619, sposato a 26 anni, morto nel 1689 a 70 anni"),
          QStringLiteral("LUCREZIA MORANDI, figlia di Tommaso (mezzadro), nata il 12-2-1621, sposata a 24 anni, morta nel 1690 a 69 anni")},
         {QStringLiteral("PAOLO LAZZERI, mezzadro, figlio di Simone (mezzadro), nato il 28-8-1646, sposato a 27 anni, morto a 62 anni"),
          QStringLiteral("ROSA LAZZERI, figlia di Simone (mezzadro), nata il 20-12-1648, morta di tifo il 23-12-1649 a 1 anno"),
          QStringLiteral("BENEDETTO LAZZERI, figlio di Simone (mezzadro), nato il 24-3-1651, emigrato, se ne sono perse le tracce"),
          QStringLiteral("MARCO LAZZERI, figlio di Simone (mezzadro), nato il 6-11-1654, morto di morte violenta a 22 anni"),
          QStringLiteral("STEFANO LAZZERI, figlio di Simone (mezzadro), nato il 14-8-1657, morto a 11 anni"),
          QStringLiteral(
              "AGNESE LAZZERI, figlia di Simone (mezzadro), nata il 20-11-1660, sposata nel 1683 a 23 anni, morta di parto a 36 anni"),
          QStringLiteral("FRANCESCA LAZZERI, nubile, figlia di Simone (mezzadro), nata il 10-10-1664, morta nel 1724 a 60 anni")},
         {}},
    };
    return families;
}

const QList<FamilyRecord> &modernFamilies()
{
    static const QList<FamilyRecord> families = {
        {QStringLiteral("15 ottobre 1929"),
         {QStringLiteral(
              "ERNESTO GALLETTI, operaio, figlio di Enrico (contadino), nato l'11-2-1905, sposato a 24 anni, morto nel 1981 a 76 anni"),
          QStringLiteral("IDA PAGANELLI, operaia, figlia di Attilio (operaio), nata il 20-9-1906, sposata a 23 anni, morta nel 1987 a 81 anni")},
         {QStringLiteral("LUISA GALLETTI, operaia, figlia di Ernesto (operaio), nata il 2-2-1931, sposata nel 1957 a 26 anni, vive ancora"),
          QStringLiteral("RENATO GALLETTI, impiegato, figlio di Ernesto (operaio), nato il 13-4-1935, sposato nel 1965 a 30 anni, vive ancora"),
          QStringLiteral("SERGIO GALLETTI, celibe, figlio di Ernesto (operaio), nato il 16-5-1939, vive ancora")},
         {}},
        {QStringLiteral("18 giugno 1955"),
         {QStringLiteral("ALBERTO MANCINELLI, giornalista, figlio di Arturo (impiegato), nato il 19-10-1928, sposato a 26 anni, vive ancora"),
          QStringLiteral(
              "GRAZIELLA FONTANA, commerciante, figlia di Umberto (commerciante), nata il 24-8-1932, sposata a 22 anni, vive ancora")},
         {QStringLiteral(
             "MASSIMO MANCINELLI, insegnante, figlio di Alberto (giornalista), nato il 7-12-1961, sposato nel 1990 a 29 anni, vive ancora")},
         {}},
        {QStringLiteral("18 agosto 1938"),
         {QStringLiteral(
              "GINO BALDINI, mezzadro, figlio di Augusto (contadino), nato il 16-1-1910, sposato a 28 anni, morto in guerra a 30 anni"),
          QStringLiteral(
              "ELVIRA CECCARELLI, contadina, figlia di Amedeo (contadino), nata l'11-1-1915, sposata a 23 anni, morta nel 1998 a 83 anni")},
         {QStringLiteral("BRUNO BALDINI, coltivatore diretto, figlio di Gino (mezzadro), nato il 5-9-1940, sposato a 25 anni, vive ancora")},
         {}},
        {QStringLiteral("19 giugno 1971"),
         {QStringLiteral("CLAUDIO RINALDI, dentista, figlio di Walter (infermiere), nato il 26-7-1946, sposato a 24 anni, vive ancora"),
          QStringLiteral("PATRIZIA MORETTI, casalinga, figlia di Franco (operaio), nata il 9-9-1945, sposata a 25 anni, vive ancora")},
         {QStringLiteral("ANDREA RINALDI, artigiano, celibe, figlio di Claudio (dentista), nato il 4-2-1976, vive ancora"),
          QStringLiteral("FEDERICA RINALDI, studentessa, figlia di Claudio (dentista), nata il 17-7-1980, vive ancora")},
         {}},
        {QStringLiteral("22 aprile 1979"),
         {QStringLiteral("MARCO SARTORI, farmacista, figlio di Luigi (farmacista), nato il 30-1-1950, sposato a 29 anni, vive ancora"),
          QStringLiteral("SILVIA BELLUCCI, avvocato, figlia di Giorgio (notaio), nata il 27-9-1952, sposata a 26 anni, vive ancora")},
         {},
         QStringLiteral("  Senza figli")},
    };
    return families;
}

} // namespace censaria
