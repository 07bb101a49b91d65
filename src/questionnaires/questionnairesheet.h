#pragma once

#include "platform/worksheet.h"

namespace censaria {

struct QuestionBank;

// A questionnaire on paper for the class: lines for name, class and date, its ten
// statements in the bank's order with a box for V and one for F, and its answer key on
// a page of its own.
class QuestionnaireSheet : public Worksheet
{
public:
    explicit QuestionnaireSheet(const QuestionBank &bank);
};

} // namespace censaria
