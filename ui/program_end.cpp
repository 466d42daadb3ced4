#include <QCoreApplication>
#include <QMessageBox>

#include "program_end.h"

namespace dicewright {

void EndProgram(int status) {
    QCoreApplication::exit(status);
}

void ShowFatalError(const QString& title, const QString& text) {
    QMessageBox::critical(nullptr, title, text);
}

}  // namespace dicewright
