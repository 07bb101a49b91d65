#include "lessonpaging.h"

#include "lessoncatalogue.h"

namespace censaria {

QString LessonPaging::avanti()
{
    indietroEnabled_ = true;
    const QString next = lessonPageAt(pagina_ + 1);
    if (next.isEmpty())
        avantiEnabled_ = false;
    return next;
}

QString LessonPaging::indietro()
{
    avantiEnabled_ = true;
    if (pagina_ <= 1) {
        indietroEnabled_ = false;
        return {};
    }
    return lessonPageAt(pagina_ - 1);
}

} // namespace censaria
