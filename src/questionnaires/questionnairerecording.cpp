#include "questionnairerecording.h"

#include "screenkit/module.h"
#include "archive/schema.h"
#include "questionbanks.h"

namespace censaria {

bool recordQuestionnaire(Module &module, const QuestionBank &bank, int giuste)
{
    const schema::Table &table = schema::questionari();
    return module.recordResult(table.name, {{table.position(bank.countField), qint16(giuste)}}, table.position(bank.dateField));
}

} // namespace censaria
