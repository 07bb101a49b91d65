#include "lessoncatalogue.h"

#include <algorithm>

namespace censaria {
namespace {

using Kind = LessonDestination::Kind;

LessonDestination questionnaire(const char *loader)
{
    return {Kind::Questionnaire, QString::fromUtf8(loader)};
}
// A screen by its form name, the key screenkit/forms.h gives it.
LessonDestination screen(const char *form)
{
    return {Kind::Screen, QString::fromUtf8(form)};
}

} // namespace

const QList<LessonTopic> &lessonTopics()
{
    static const QList<LessonTopic> topics = {
        {QStringLiteral("Storia1"), 1, QStringLiteral("STORIA DELLA POPOLAZIONE: introduzione."), QStringLiteral("PerCensaria\\a-storia1.rtf"),
         QStringLiteral("perCensaria\\popitalia2.jpg"), QStringLiteral("   Questionario sui due grafici"), questionnaire("QStoria1")},
        {QStringLiteral("Storia2"), 2, QStringLiteral("STORIA DELLA POPOLAZIONE: l'epoca delle famiglie tradizionali."),
         QStringLiteral("PerCensaria\\a-storia2.rtf"), QStringLiteral("perCensaria\\crisidimortalità.jpg"),
         QStringLiteral("Questionario sulle famiglie tradizionali"), questionnaire("QStoria2")},
        {QStringLiteral("Storia3"), 3, QStringLiteral("STORIA DELLA POPOLAZIONE: il BOOM demografico."),
         QStringLiteral("PerCensaria\\a-storia3.rtf"), QStringLiteral("perCensaria\\popitalia3.jpg"),
         QStringLiteral("Questionario sul BOOM demografico"), questionnaire("QStoria3")},
        {QStringLiteral("Storia4"), 4, QStringLiteral("STORIA DELLA POPOLAZIONE: la società post-industriale."),
         QStringLiteral("PerCensaria\\a-storia4.rtf"), QStringLiteral("perCensaria\\aula.jpg"),
         QStringLiteral("Questionario sulla soc. post-industriale"), questionnaire("QStoria4")},
        {QStringLiteral("Statistica1"), 5, QStringLiteral("STATISTICA: i saldi."), QStringLiteral("PerCensaria\\a-statistica1.rtf"),
         QStringLiteral("perCensaria\\statistica.jpg"), QStringLiteral("Esercizi sui SALDI demografici"), screen("FSaldiTassi")},
        {QStringLiteral("Statistica2"), 6, QStringLiteral("STATISTICA: i tassi."), QStringLiteral("PerCensaria\\a-statistica2.rtf"),
         QStringLiteral("perCensaria\\statistica.jpg"), QStringLiteral("Esercizi sui TASSI demografici"), screen("Fesercizi")},
        {QStringLiteral("Densità1"), 7, QStringLiteral("DENSITÀ: densità media della popolazione per km²."),
         QStringLiteral("PerCensaria\\a-densità1.rtf"), QStringLiteral("perCensaria\\densitàcalc.jpg"),
         QStringLiteral("Questionario sulla DENSITÀ di popolazione"), questionnaire("QDensità1")},
        {QStringLiteral("Densità2"), 8, QStringLiteral("DENSITÀ: distribuzione della popolazione sul territorio."),
         QStringLiteral("PerCensaria\\a-densità2.rtf"), QStringLiteral("perCensaria\\densità.jpg"),
         QStringLiteral("Questionario sulla CARTA della densità"), questionnaire("QDensità2")},
        {QStringLiteral("Piramidi1"), 9, QStringLiteral("PIRAMIDE DELLA POPOLAZIONE: come si costruisce."),
         QStringLiteral("PerCensaria\\a-piramidi1.rtf"), QStringLiteral("perCensaria\\piramidi.jpg"),
         QStringLiteral("Osserva la simulazione demografica"), screen("Fpiramidi")},
        {QStringLiteral("Piramidi2"), 10, QStringLiteral("PIRAMIDE DELLA POPOLAZIONE: a che serve."),
         QStringLiteral("PerCensaria\\a-piramidi2.rtf"), QStringLiteral("perCensaria\\piramidi.jpg"),
         QStringLiteral("Questionario sulle PIRAMIDI"), questionnaire("Qpiramide2")},
        {QStringLiteral("Italia"), 11, QStringLiteral("POPOLAZIONE ITALIANA: i dati in sintesi."), QStringLiteral("PerCensaria\\a-italia.rtf"),
         QStringLiteral("perCensaria\\italia.jpg"), QStringLiteral("Questionario sulla popolazione ITALIANA"), questionnaire("QItalia")},
        {QStringLiteral("Montenovo"),
         0,
         QStringLiteral("APPROFONDIMENTO: la popolazione di Montenovo nel XVII secolo."),
         QStringLiteral("perCensaria\\a-popmontenovo.rtf"),
         QString(),
         QString(),
         {}},
        {QStringLiteral("PiramidiMondo"), 0, QStringLiteral("PIRAMIDI DEL MONDO: dal 1950 al 2100, con i dati dell'ONU."),
         QStringLiteral("perCensaria\\a-piramidimondo.rtf"), QString(), QStringLiteral("Il futuro della popolazione"),
         screen("PopulationFuture"), QStringLiteral("Piramidi del mondo"), screen("WorldPyramids")},
    };
    return topics;
}

const LessonTopic *lessonTopic(const QString &key)
{
    const QList<LessonTopic> &topics = lessonTopics();
    const auto found = std::find_if(topics.begin(), topics.end(), [&](const LessonTopic &t) { return t.key == key; });
    return found == topics.end() ? nullptr : &*found;
}

QString lessonPageAt(int pagina)
{
    for (const LessonTopic &topic : lessonTopics())
        if (topic.inSequence() && topic.pagina == pagina)
            return topic.key;
    return {};
}

int lessonPageCount()
{
    return int(std::count_if(lessonTopics().begin(), lessonTopics().end(), [](const LessonTopic &t) { return t.inSequence(); }));
}

const QList<LessonMenu> &lessonMenus()
{
    static const QList<LessonMenu> menus = {
        {QStringLiteral("storia0"),
         QStringLiteral("Storia della popolazione"),
         {{QStringLiteral("storiaintroduzione"), QStringLiteral("Introduzione"), QStringLiteral("Storia1")},
          {QStringLiteral("stofamtrad"), QStringLiteral("Famiglie tradizionali"), QStringLiteral("Storia2")},
          {QStringLiteral("stoboom"), QStringLiteral("Boom demografico"), QStringLiteral("Storia3")},
          {QStringLiteral("stopost"), QStringLiteral("Società post-industriale"), QStringLiteral("Storia4")}},
         {}},
        {QStringLiteral("statistica0"),
         QStringLiteral("Concetti statistici"),
         {{QStringLiteral("statsaldonat"), QStringLiteral("Saldo naturale, migratorio e finale"), QStringLiteral("Statistica1")},
          {QStringLiteral("stattassi"), QStringLiteral("Tassi di Natalità e di Mortalità e d'incremento"), QStringLiteral("Statistica2")}},
         {}},
        {QStringLiteral("densità0"),
         QStringLiteral("Densità della popolazione"),
         {{QStringLiteral("densitàcalcolo"), QStringLiteral("Calcolo della densità"), QStringLiteral("Densità1")},
          {QStringLiteral("densitàdistribuzione"), QStringLiteral("Distribuzione della Pop. sul territorio"), QStringLiteral("Densità2")}},
         {}},
        {QStringLiteral("piramid"),
         QStringLiteral("Piramide"),
         {{QStringLiteral("come"), QStringLiteral("com'è fatta"), QStringLiteral("Piramidi1")},
          {QStringLiteral("utilità"), QStringLiteral("a che serve"), QStringLiteral("Piramidi2")},
          {QStringLiteral("piramidimondo"), QStringLiteral("nel mondo, dal 1950 al 2100"), QStringLiteral("PiramidiMondo")}},
         {}},
        {QStringLiteral("popita"), QStringLiteral("Popolazione italiana"), {}, QStringLiteral("Italia")},
        {QStringLiteral("approfond"),
         QStringLiteral("Approfondimento"),
         {{QStringLiteral("popmontenovo"), QStringLiteral("Popolazione di Montenovo nel XVII S."), QStringLiteral("Montenovo")}},
         {}},
    };
    return menus;
}

} // namespace censaria
