#include <emscripten.h>

#include <QApplication>
#include <QWidget>

#include "program_end.h"

namespace dicewright {

// A browser's event loop never returns to main(): the application's exec() left main()'s
// frame behind (asking its loop to exit would touch what is gone), and ending the runtime
// would pull Qt's statics from under the live application. So the program hides its windows
// and tells the page, which says that Dicewright has ended and offers to start it again.
void EndProgram(int status) {
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    // clang-format off
    EM_ASM({ window.dispatchEvent(new CustomEvent('dicewright-ended', { detail: $0 })); }, status);
    // clang-format on
}

void ShowFatalError(const QString& /*title: the page's own*/, const QString& text) {
    // clang-format off
    EM_ASM({ document.body.dataset.error = UTF8ToString($0); }, text.toUtf8().constData());
    // clang-format on
}

}  // namespace dicewright
