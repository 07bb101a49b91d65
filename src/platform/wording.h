#pragma once

#include <QString>
#include <QStringList>

// Helpers for the program's Italian sentences.
namespace censaria::wording {

// Items joined as Italian lists them: "a", "a e b", "a, b e c".
QString listed(const QStringList &items);

} // namespace censaria::wording
