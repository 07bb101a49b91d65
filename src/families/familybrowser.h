#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

namespace censaria {

// Browsing the ten family records: one set at a time (traditional or modern), one
// family at a time, and which of the browser's buttons may be pressed.
class FamilyBrowser
{
public:
    static constexpr qint16 traditional = 1;
    static constexpr qint16 modern = 2;
    static constexpr int familiesPerSet = 5;

    // Fills the tables and shows traditional family 1.
    FamilyBrowser();

    void next();            // "Famiglia successiva"
    void previous();        // "Famiglia precedente"
    void showTraditional(); // "Fam. tradizionali"
    void showModern();      // "Fam. moderne"

    qint16 set() const { return tipo; }
    int family() const { return indice; }
    QString setTitle() const;
    QString positionText() const; // "Famiglia 2 di 5"
    QString parentsText() const;
    QString childrenText() const;
    QString marriageDate() const;

    bool canGoBack() const { return backEnabled_; }
    bool canGoForward() const { return forwardEnabled_; }
    bool traditionalEnabled() const { return traditionalEnabled_; }
    bool modernEnabled() const { return modernEnabled_; }

private:
    using Table = std::array<QString, familiesPerSet + 1>; // index 0 stays empty
    void showSet(qint16 set);

    qint16 tipo = traditional;
    int indice = 1;
    Table gentrad, figlitrad, datatrad;
    Table genmod, figlimod, datamod;
    bool backEnabled_ = false;
    bool forwardEnabled_ = true;
    bool traditionalEnabled_ = false;
    bool modernEnabled_ = true;
};

} // namespace censaria
