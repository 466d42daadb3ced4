#pragma once

#include <QString>

namespace dicewright {

// How the program ends on its platform. On the desktop the event loop returns from exec() and
// main() returns. A browser's event loop never returns to main(), and the runtime stays: there
// the windows are hidden and the page is told, which says that the program has ended.
void EndProgram(int status);

// Shows the text of the error that ends the program, titled with the program's name: in a
// message box on the desktop, on the page in a browser (which has no modal loop to run one).
void ShowFatalError(const QString& title, const QString& text);

}  // namespace dicewright
