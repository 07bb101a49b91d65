#pragma once

#include <QList>
#include <QString>

// The topics whose results the archive keeps, with where each result sits in its row.
namespace censaria::resulttopics {

inline const QString questionnaireTable = QStringLiteral("questionari");
inline const QString exerciseTable = QStringLiteral("esercizi");

struct Questionnaire
{
    QString label;
    int countPosition; // right answers out of 10
    int datePosition;
};

// In the order of the grid's rows and of the printed lines.
inline const QList<Questionnaire> questionnaires = {
    {QStringLiteral("I 3 periodi-introduzione"), 2, 3},     {QStringLiteral("Periodo fam tradizionali"), 4, 5},
    {QStringLiteral("Periodo Boom demografico"), 6, 7},     {QStringLiteral("La società post-industriale"), 8, 9},
    {QStringLiteral("La densità di popolazione"), 10, 11},  {QStringLiteral("La carta della densità"), 12, 13},
    {QStringLiteral("Piramidi della popolazione"), 14, 15}, {QStringLiteral("Popolazione italiana"), 16, 17},
    {QStringLiteral("Le famiglie tradizionali"), 18, 19},   {QStringLiteral("Le famiglie moderne"), 20, 21},
};

struct Exercise
{
    QString gridLabel;
    QString reportLabel;
    int firstPosition; // right, wrong, percentage right, when
};

inline constexpr int valuesPerExercise = 4;

inline const QList<Exercise> exercises = {
    {QStringLiteral("Calcolo dei SALDI"), QStringLiteral("Calcolo dei SALDI"), 2},
    {QStringLiteral("Comprensione saldi"), QStringLiteral("COMPRENSIONE uso saldi"), 6},
    {QStringLiteral("Calcolo dei TASSI"), QStringLiteral("Calcolo dei TASSI"), 10},
};

} // namespace censaria::resulttopics
