#include "ModalWindows.h"

#include <QApplication>
#include <QDialog>

namespace kiova {

void CloseModalWindows() {
    while (QWidget* modal = QApplication::activeModalWidget()) {
        // done() rather than reject(): reject() is the user's Cancel, which a dialog may refuse.
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(QDialog::Rejected);
        modal->hide();
        if (QApplication::activeModalWidget() == modal) return;  // it would not go: no endless loop
    }
}

}  // namespace kiova
