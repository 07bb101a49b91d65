#pragma once

#include <QColor>

// Colours that mean the same thing on more than one screen.
namespace censaria::palette {

inline const QColor archive{176, 140, 20}; // "Archivio dei risultati"
inline const QColor exit{150, 40, 40};     // "Esco"

// The ground of an answer: as yet unjudged, or judged wrong.
inline const QColor answer{192, 192, 255};
inline const QColor wrong{255, 0, 0};

// The three columns of the menu, which other screens borrow for the same kinds of action.
inline const QColor study{214, 110, 30};
inline const QColor observe{22, 140, 118};
inline const QColor operate{41, 110, 175};

// The dark look the results screen and the register share.
namespace dark {
inline const QColor ground{64, 64, 64};
inline const QColor field{0, 0, 64};     // boxes and title strips
inline const QColor text{192, 192, 255}; // captions and typed text
inline const QColor title{192, 192, 0};  // the title over the strip
} // namespace dark

} // namespace censaria::palette
