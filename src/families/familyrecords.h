#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace censaria {

// The record of one family: one line per person, the name in capitals first.
struct FamilyRecord
{
    QString marriageDate;
    QStringList parents;  // husband first, then his wife (or wives)
    QStringList children; // in order of birth
    QString noChildren;   // the children text of a family without children

    QString parentsText() const { return parents.join(u'\n'); }
    QString childrenText() const { return children.isEmpty() ? noChildren : children.join(u'\n'); }
};

// Five families of the seventeenth century, then five of the twentieth.
const QList<FamilyRecord> &traditionalFamilies();
const QList<FamilyRecord> &modernFamilies();

} // namespace censaria
