#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace censaria::classregister {

class RegisterModel;

// The register as a CSV file that a spreadsheet set to Italian opens with a double
// click: UTF-8 with a byte order mark, ";" between cells, decimal comma, dates as
// dd/mm/yyyy hh:mm, a topic not done as an empty cell, a heading row, CR LF lines.
QByteArray registerCsv(const RegisterModel &model, const QList<int> &rows);

// One cell of text: a cell that a spreadsheet would take for a formula gets a
// leading apostrophe; one holding ";", quotes or a line break goes between quotes.
QString csvText(const QString &text);

// Writes the file whole or not at all (a full or write-protected medium leaves no
// half-written file); false with the reason in error.
bool writeFileAtomically(const QString &fileName, const QByteArray &bytes, QString *error);

} // namespace censaria::classregister
