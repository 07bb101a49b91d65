#pragma once

namespace censaria {

class Module;
struct QuestionBank;

// Stores a scored questionnaire's right answers, with the date and time, in the
// pupil's row of "questionari", in the pair of columns that belongs to the
// questionnaire. Asks the pupil's name when none is held; false when nothing was written.
bool recordQuestionnaire(Module &module, const QuestionBank &bank, int giuste);

} // namespace censaria
