#pragma once

#include <QString>
#include <QStringList>

// Form names, which are also the screen keys held in chiamante.
namespace censaria::forms {

inline const QString menu = QStringLiteral("Fmenù");
inline const QString lessons = QStringLiteral("FLezioni");
inline const QString questionnaire = QStringLiteral("FQuestionario");
inline const QString rates = QStringLiteral("Fesercizi");
inline const QString balances = QStringLiteral("FSaldiTassi");
inline const QString simulation = QStringLiteral("Fgrafici");
inline const QString pyramids = QStringLiteral("Fpiramidi");
inline const QString families = QStringLiteral("Ffamiglie");
inline const QString results = QStringLiteral("FRisultati");
inline const QString classRegister = QStringLiteral("ClassRegister");
inline const QString worldPyramids = QStringLiteral("WorldPyramids");
inline const QString populationFuture = QStringLiteral("PopulationFuture");

// Lesson page keys, in the order the back buttons compare them.
inline const QStringList lessonPages = {QStringLiteral("Storia1"),      QStringLiteral("Storia2"),     QStringLiteral("Storia3"),
                                        QStringLiteral("Storia4"),      QStringLiteral("Statistica1"), QStringLiteral("Statistica2"),
                                        QStringLiteral("Piramidi1"),    QStringLiteral("Piramidi2"),   QStringLiteral("Densità1"),
                                        QStringLiteral("Densità2"),     QStringLiteral("Italia"),      QStringLiteral("Montenovo"),
                                        QStringLiteral("PiramidiMondo")};

// Screens a back button returns to, in the order they are compared.
inline const QStringList backTargets = {families, menu, rates, simulation, questionnaire, balances, pyramids};

inline const QString programTitle = QStringLiteral("Censaria");

} // namespace censaria::forms
