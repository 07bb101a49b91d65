#include "familybrowser.h"

#include "familyrecords.h"

namespace censaria {

FamilyBrowser::FamilyBrowser()
{
    for (int i = 1; i <= familiesPerSet; ++i) {
        const FamilyRecord &old = traditionalFamilies().at(i - 1);
        gentrad[i] = old.parentsText();
        figlitrad[i] = old.childrenText();
        datatrad[i] = old.marriageDate;
        const FamilyRecord &recent = modernFamilies().at(i - 1);
        genmod[i] = recent.parentsText();
        figlimod[i] = recent.childrenText();
        datamod[i] = recent.marriageDate;
    }
}

// The buttons' enabled states keep indice within 1..5, and so do these guards.
void FamilyBrowser::next()
{
    if (indice >= familiesPerSet)
        return;
    ++indice;
    backEnabled_ = true;
    forwardEnabled_ = indice < familiesPerSet;
}

void FamilyBrowser::previous()
{
    if (indice <= 1)
        return;
    --indice;
    forwardEnabled_ = true;
    backEnabled_ = indice > 1;
}

void FamilyBrowser::showTraditional()
{
    showSet(traditional);
}
void FamilyBrowser::showModern()
{
    showSet(modern);
}

void FamilyBrowser::showSet(qint16 set)
{
    traditionalEnabled_ = set != traditional;
    modernEnabled_ = set == traditional;
    tipo = set;
    indice = 1;
    forwardEnabled_ = true;
    backEnabled_ = false; // family 1 has no previous family
}

QString FamilyBrowser::setTitle() const
{
    return tipo == traditional ? QStringLiteral("FAMIGLIE TRADIZIONALI") : QStringLiteral("FAMIGLIE MODERNE");
}

QString FamilyBrowser::positionText() const
{
    return QStringLiteral("Famiglia %1 di %2").arg(indice).arg(familiesPerSet);
}

QString FamilyBrowser::parentsText() const
{
    return (tipo == traditional ? gentrad : genmod).at(indice);
}
QString FamilyBrowser::childrenText() const
{
    return (tipo == traditional ? figlitrad : figlimod).at(indice);
}
QString FamilyBrowser::marriageDate() const
{
    return (tipo == traditional ? datatrad : datamod).at(indice);
}

} // namespace censaria
