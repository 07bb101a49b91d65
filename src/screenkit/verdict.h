#pragma once

#include <QString>

class QAbstractButton;
class QLineEdit;

namespace censaria {

// Right and wrong told by more than a colour: a badge with a tick or a cross beside the
// colour the screen paints, and the same in words for screen readers.
enum class Verdict { None, Right, Wrong };

QString verdictWord(Verdict verdict); // "giusto", "sbagliato", or empty

// A badge at the right end of a box: the symbol, the word if withWord, then the note
// ("è vera"). None removes it.
void showVerdict(QLineEdit *box, Verdict verdict, bool withWord = false, const QString &note = QString());
// A neutral badge with a word at the right end of a box ("bloccato"); empty removes it.
void showBadge(QLineEdit *box, const QString &text);
// The symbol as the icon of a tick box or option button; None removes it.
void showVerdict(QAbstractButton *choice, Verdict verdict);

} // namespace censaria
