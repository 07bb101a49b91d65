#pragma once

#include <QList>
#include <QString>
#include <array>

namespace censaria {

// One true/false questionnaire: what the topic list shows, the loader that opens it,
// the code that picks its archive columns, its title and its ten statements.
struct QuestionBank
{
    struct Statement
    {
        QString text;
        bool isTrue;
    };

    QString listItem; // item of the topic list
    QString loader;   // public loader name ("QStoria1" ... "Qfammod")
    QString code;     // codicequest ("Qstoria1" ... "Qfammod")
    QString title;
    QString countField; // archive column of the right answers
    QString dateField;  // archive column of when they were recorded
    std::array<Statement, 10> statements;

    bool isFamily() const;
};

// The ten questionnaires, in the order of the topic list's loaders.
const QList<QuestionBank> &questionBanks();
// The topic list's items, in the order they are listed.
QStringList topicListItems();

// Exact comparisons (letter case and accents included); nullptr when none matches.
const QuestionBank *bankByLoader(const QString &loader);
const QuestionBank *bankByListItem(const QString &item);
const QuestionBank *bankByCode(const QString &code);

// The two family questionnaires, which open each other.
namespace familyLoaders {
inline const QString traditional = QStringLiteral("Qfamtrad");
inline const QString modern = QStringLiteral("Qfammod");
} // namespace familyLoaders

} // namespace censaria
