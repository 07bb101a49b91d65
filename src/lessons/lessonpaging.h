#pragma once

#include <QString>

namespace censaria {

// "Avanti" and "Indietro" over the eleven pages of the sequence. The page number
// decides where a click leads; each button's enabled state is changed only by the
// clicks themselves, so a page opened from elsewhere keeps the states left before.
class LessonPaging
{
public:
    int pagina() const { return pagina_; }
    void setPagina(int pagina) { pagina_ = pagina; }

    bool avantiEnabled() const { return avantiEnabled_; }
    bool indietroEnabled() const { return indietroEnabled_; }

    // The key of the page to open next; empty (and "Avanti" disabled) after the last.
    QString avanti();
    // The key of the page to open before; empty (and "Indietro" disabled) on the first.
    QString indietro();

private:
    int pagina_ = 0;
    bool avantiEnabled_ = true;
    bool indietroEnabled_ = true;
};

} // namespace censaria
