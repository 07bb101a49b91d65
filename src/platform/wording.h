#pragma once

#include <QString>
#include <QStringList>

// Helpers for the program's Italian sentences.
namespace censaria::wording {

// Items joined as Italian lists them: "a", "a e b", "a, b e c".
QString listed(const QStringList &items);

// A count with its noun, which Italian puts in the singular for one: "1 alunno", "3 alunni".
QString counted(int count, const QString &singular, const QString &plural);

} // namespace censaria::wording
