#include "questionbanks.h"

#include <QStringList>

namespace censaria {
namespace {

constexpr bool Vero = true;
constexpr bool Falso = false;

// The content of the ten questionnaires, written exactly as pupils read it.
const QList<QuestionBank> banks = {
    {QStringLiteral("I tre periodi"),
     QStringLiteral("QStoria1"),
     QStringLiteral("Qstoria1"),
     QStringLiteral(" I GRAFICI dei TRE PERIODI..."),
     QStringLiteral("I tre periodi"),
     QStringLiteral("data1"),
     {{
         {QStringLiteral("Nell'epoca delle famiglie tradizionali la popolazione aumenta rapidamente"), Falso},
         {QStringLiteral("Nell'epoca del boom demografico la popolazione aumenta rapidamente"), Vero},
         {QStringLiteral("Nell'epoca della società post-industriale la popolazione aumenta rapidamente"), Falso},
         {QStringLiteral("Nell'epoca della società post-industriale la natalità è diminuita tantissimo"), Vero},
         {QStringLiteral("Nell'epoca del boom demografico cala la mortalità, rimane alta la natalità"), Vero},
         {QStringLiteral("Nell'epoca delle famiglie tradizionali la mortalità può essere più alta della natalità"), Vero},
         {QStringLiteral("Fra i 3 periodi, quello del Boom è quello che ha una maggiore durata"), Falso},
         {QStringLiteral("Fra i 3 periodi, quello delle famiglie tradizionali è quello che ha una maggiore durata"), Vero},
         {QStringLiteral("Fra i 3 periodi, quello della società post-industriale è quello che ha una maggiore durata"), Falso},
         {QStringLiteral("Viene prima la società post-industriale, poi il boom demografico, infine le famiglie tradizionali"), Falso},
     }}},
    {QStringLiteral("1° periodo"),
     QStringLiteral("QStoria2"),
     QStringLiteral("Qstoria2"),
     QStringLiteral("EPOCA DELLE FAMIGLIE TRADIZIONALI..."),
     QStringLiteral("periodo fam tradizionali"),
     QStringLiteral("data2"),
     {{
         {QStringLiteral("In questo periodo la popolazione aumenta velocemente"), Falso},
         {QStringLiteral("Si alternano periodi in cui la popolazione cresce e periodi in cui cala bruscamente"), Vero},
         {QStringLiteral("La popolazione cala quando aumenta bruscamente la mortalità"), Vero},
         {QStringLiteral("La mortalità spesso cresce perché le risorse alimentari sono insufficienti"), Vero},
         {QStringLiteral("In questo periodo la popolazione diminuisce lentamente"), Falso},
         {QStringLiteral("La popolazione aumenta quando le risorse alimentari sono abbondanti"), Vero},
         {QStringLiteral("In questo periodo si verificano cicliche crisi di mortalità"), Vero},
         {QStringLiteral("In questo periodo la natalità è leggermente, ma costantemente, superiore alla mortalità"), Falso},
         {QStringLiteral("Questo periodo, in Europa, è durato poco: dal 1750 al 1970"), Falso},
         {QStringLiteral("Questo è il periodo più lungo della storia dell'umanità"), Vero},
     }}},
    {QStringLiteral("2° periodo"),
     QStringLiteral("QStoria3"),
     QStringLiteral("Qstoria3"),
     QStringLiteral("IL PERIODO DEL BOOM DEMOGRAFICO..."),
     QStringLiteral("periodo Boom demografico"),
     QStringLiteral("data3"),
     {{
         {QStringLiteral("... va dal 1750 al 1970"), Vero},
         {QStringLiteral("è il periodo più lungo della storia europea"), Falso},
         {QStringLiteral("In questo periodo la popolazione aumenta lentamente"), Falso},
         {QStringLiteral("In questo periodo la popolazione aumenta rapidamente perché cresce la natalità"), Falso},
         {QStringLiteral("In questo periodo la popolazione aumenta rapidamente perché diminuisce molto la mortalità"), Vero},
         {QStringLiteral("In questo periodo arrivano in Europa molti immigrati dagli altri continenti"), Falso},
         {QStringLiteral("In questo periodo molti europei emigrano in America e altrove"), Vero},
         {QStringLiteral("In questo periodo la pop. aumenta molto grazie ai progressi agricoli, scientifici e politici"), Vero},
         {QStringLiteral("In questo periodo la natalità rimane alta, nonostante diminuisca la mortalità"), Vero},
         {QStringLiteral("Questo periodo ci permette di capire che la cultura dei popoli cambia lentamente"), Vero},
     }}},
    {QStringLiteral("3° periodo"),
     QStringLiteral("QStoria4"),
     QStringLiteral("Qstoria4"),
     QStringLiteral("La POPOLAZIONE nella SOCIETÀ POST-INDUSTRIALE"),
     QStringLiteral("periodo post-industriale"),
     QStringLiteral("data4"),
     {{
         {QStringLiteral("In Europa, la società post-industriale si afferma a partire dal 1970"), Vero},
         {QStringLiteral("La società post-industriale è caratterizzata da un'economia basata sui SERVIZI"), Vero},
         {QStringLiteral("Nella società post-industriale la popolazione cresce molto lentamente o, addirittura, decresce"), Vero},
         {QStringLiteral("Grazie alla ricchezza, nella società post-industriale la popolazione aumenta in fretta"), Falso},
         {QStringLiteral("Nel periodo della società post-industriale molti europei emigrano all'estero"), Falso},
         {QStringLiteral("Nella società post-industriale sono necessari molti immigrati"), Vero},
         {QStringLiteral("Nella società post-industriale la diminuzione della natalità è provocata dalle malattie"), Falso},
         {QStringLiteral("Nella società post-industriale diminuisce la natalità grazie al controllo volontario delle nascite"), Vero},
         {QStringLiteral("In alcune società post-industriali la mortalità supera la natalità"), Vero},
         {QStringLiteral("Nella società post-industriale ci sono frequenti crisi di mortalità"), Falso},
     }}},
    {QStringLiteral("Densità1"),
     QStringLiteral("QDensità1"),
     QStringLiteral("QDensità1"),
     QStringLiteral("LA DENSITÀ DI POPOLAZIONE..."),
     QStringLiteral("Densità popolazione"),
     QStringLiteral("data5"),
     {{
         {QStringLiteral("La densità di popolazione fa capire quanti abitanti ci sono in uno Stato"), Falso},
         {QStringLiteral("La densità di popolazione fa capire se un territorio è intensamente o scarsamente abitato"), Vero},
         {QStringLiteral("Per calcolare la densità si divide la popolazione per la superficie"), Vero},
         {QStringLiteral("Per calcolare la densità si divide la superficie per la popolazione"), Falso},
         {QStringLiteral("La densità di popolazione fa capire come si distribuisce la popolazione su un territorio"), Falso},
         {QStringLiteral("La densità di popolazione NON fa capire come si distribuisce la popolazione su un territorio"), Vero},
         {QStringLiteral("Per capire come si distribuisce la pop. su un territorio bisogna usare la carta della densità"), Vero},
         {QStringLiteral("La densità indica quanti abitanti ci sono, in media, in un km²"), Vero},
         {QStringLiteral("La densità di popolazione NON permette di fare confronti fra gli Stati"), Falso},
         {QStringLiteral("La densità di popolazione è utile per fare confronti fra gli Stati"), Vero},
     }}},
    {QStringLiteral("Densità2"),
     QStringLiteral("QDensità2"),
     QStringLiteral("QDensità2"),
     QStringLiteral("LA CARTA DELLA DENSITÀ DI POPOLAZIONE"),
     QStringLiteral("Carta della densità"),
     QStringLiteral("data6"),
     {{
         {QStringLiteral("Grazie al turismo invernale, le zone montuose hanno molti abitanti"), Falso},
         {QStringLiteral("Le zone di montagna hanno una bassa densità abitativa"), Vero},
         {QStringLiteral("La Sicilia e la Sardegna hanno un'alta densità abitativa"), Falso},
         {QStringLiteral("Le zone costiere italiane sono densamente popolate"), Vero},
         {QStringLiteral("Le regioni con maggiore densità sono la Sicilia, la Campania, la Lombardia e la Puglia"), Falso},
         {QStringLiteral("Le pianure sono scarsamente popolate"), Falso},
         {QStringLiteral("25 ab/km² esprime un'alta densità abitativa"), Falso},
         {QStringLiteral("250 ab/km² esprime una bassa densità abitativa"), Falso},
         {QStringLiteral("In Italia, alcune zone hanno più di 500 ab/km²"), Vero},
         {QStringLiteral("Le due zone a densità più elevata si trovano intorno a Milano e Napoli"), Vero},
     }}},
    {QStringLiteral("Piramidi"),
     QStringLiteral("Qpiramide2"),
     QStringLiteral("Qpiramide2"),
     QStringLiteral("LA PIRAMIDE DELLA POPOLAZIONE"),
     QStringLiteral("Piramidi"),
     QStringLiteral("data7"),
     {{
         {QStringLiteral("mostra come femmine e maschi si distribuiscono nelle fasce d'età"), Vero},
         {QStringLiteral("permette di capire se la popolazione sta invecchiando"), Vero},
         {QStringLiteral("permette di prevedere fatti demografici futuri"), Vero},
         {QStringLiteral("permette di capire se ci saranno problemi a pagare le pensioni"), Vero},
         {QStringLiteral("permette di capire quanti sono i giovani, gli adulti e gli anziani"), Vero},
         {QStringLiteral("permette di farsi un'idea abbastanza precisa della densità di popolazione"), Falso},
         {QStringLiteral("permette di calcolare i tassi di natalità e di mortalità"), Falso},
         {QStringLiteral("se ha la forma 'a botte' indica un invecchiamento della popolazione"), Vero},
         {QStringLiteral("indica il PREVALERE dei giovani quando ha una forma 'a botte'"), Falso},
         {QStringLiteral("la piramide dell'Algeria è 'a botte'"), Falso},
     }}},
    {QStringLiteral("Italia"),
     QStringLiteral("QItalia"),
     QStringLiteral("Qitalia"),
     QStringLiteral("LA POPOLAZIONE ITALIANA"),
     QStringLiteral("Popolazione italiana"),
     QStringLiteral("data8"),
     {{
         {QStringLiteral("La popolazione italiana sta crescendo velocemente"), Falso},
         {QStringLiteral("Al censimento del 2001 in Italia c'erano circa 57 milioni di abitanti"), Vero},
         {QStringLiteral("Intorno al 2000 l'Italia era uno dei pochi paesi in cui il saldo naturale era negativo"), Vero},
         {QStringLiteral("In Italia la pop. che lavora è più numerosa di quella che non lavora"), Falso},
         {QStringLiteral("La densità di popolazione è di 90 ab/km²"), Falso},
         {QStringLiteral("L'attuale saldo migratorio è negativo perché molti italiani emigrano"), Falso},
         {QStringLiteral("Sta aumentando il numero degli immigrati in Italia"), Vero},
         {QStringLiteral("Dal 1861 a oggi pochi italiani sono emigrati all'estero"), Falso},
         {QStringLiteral("Nessun italiano emigrato all'estero è tornato in patria"), Falso},
         {QStringLiteral("Fra gli immigrati extra-comunitari ci sono numerosi irregolari"), Vero},
     }}},
    {QStringLiteral("Fam tradizionali"),
     QStringLiteral("Qfamtrad"),
     QStringLiteral("Qfamtrad"),
     QStringLiteral("FAMIGLIE TRADIZIONALI"),
     QStringLiteral("Famiglie tradizionali"),
     QStringLiteral("data9"),
     {{
         {QStringLiteral("Muoiono molti bambini"), Vero},
         {QStringLiteral("Tutti si sposano in giovane età"), Falso},
         {QStringLiteral("I contadini si sposano più tardi"), Vero},
         {QStringLiteral("Nascono molti figli perciò la popolazione cresce in fretta"), Falso},
         {QStringLiteral("Le epidemie accrescono la mortalità"), Vero},
         {QStringLiteral("Solo le famiglie di campagna hanno molti figli"), Falso},
         {QStringLiteral("Le famiglie hanno intervalli di tempo tra 1° e 2° figlio, o tra 2° e 3° ecc. molto simili"), Vero},
         {QStringLiteral("Le donne nobili hanno intervalli tra le nascite un po' più brevi"), Vero},
         {QStringLiteral("Usano mezzi contraccettivi per limitare le nascite"), Falso},
         {QStringLiteral("Tutti quelli che diventano adulti si sposano"), Falso},
     }}},
    {QStringLiteral("Fam moderne"),
     QStringLiteral("Qfammod"),
     QStringLiteral("Qfammod"),
     QStringLiteral("FAMIGLIE MODERNE"),
     QStringLiteral("Famiglie moderne"),
     QStringLiteral("data10"),
     {{
         {QStringLiteral("È molto bassa la natalità"), Vero},
         {QStringLiteral("È quasi scomparsa la mortalità infantile"), Vero},
         {QStringLiteral("Si usano mezzi contraccettivi per limitare le nascite"), Vero},
         {QStringLiteral("Ci sono pochi figli, ma tutti si sposano"), Falso},
         {QStringLiteral("Le epidemie falcidiano ancora spesso la popolazione"), Falso},
         {QStringLiteral("Le mogli sono sempre più giovani dei mariti"), Falso},
         {QStringLiteral("Le famiglie hanno intervalli di tempo tra le nascite molto simili"), Falso},
         {QStringLiteral("I decessi causati da violenza e incidenti sono ora più numerosi"), Falso},
         {QStringLiteral("Nel numero dei figli non ci sono più differenze tra città e campagna"), Vero},
         {QStringLiteral("Tutti si sposano alla stessa età"), Falso},
     }}},
};

// The topic list shows the questionnaires in its own order.
const QStringList listOrder = {QStringLiteral("I tre periodi"), QStringLiteral("1° periodo"),       QStringLiteral("2° periodo"),
                               QStringLiteral("3° periodo"),    QStringLiteral("Densità1"),         QStringLiteral("Densità2"),
                               QStringLiteral("Piramidi"),      QStringLiteral("Fam tradizionali"), QStringLiteral("Fam moderne"),
                               QStringLiteral("Italia")};

template <typename Key>
const QuestionBank *findBank(const QString &wanted, Key key)
{
    for (const QuestionBank &bank : banks)
        if (bank.*key == wanted)
            return &bank;
    return nullptr;
}

} // namespace

bool QuestionBank::isFamily() const
{
    return loader == familyLoaders::traditional || loader == familyLoaders::modern;
}

const QList<QuestionBank> &questionBanks()
{
    return banks;
}
QStringList topicListItems()
{
    return listOrder;
}

const QuestionBank *bankByLoader(const QString &loader)
{
    return findBank(loader, &QuestionBank::loader);
}
const QuestionBank *bankByListItem(const QString &item)
{
    return findBank(item, &QuestionBank::listItem);
}
const QuestionBank *bankByCode(const QString &code)
{
    return findBank(code, &QuestionBank::code);
}

} // namespace censaria
