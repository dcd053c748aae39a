#pragma once

class QWidget;

namespace scrivlette {

// Moves and shrinks `window` into the screen it is on: a geometry saved on a
// larger screen, or at another scale, must not leave its edges off this one.
void keepOnScreen(QWidget& window);

} // namespace scrivlette
