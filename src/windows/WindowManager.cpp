#include "WindowManager.h"

#include <QDialog>
#include <QEvent>

#include "X11Requests.h"

namespace kiova {
namespace {
class TDialogFrame final : public QObject {
public:
    explicit TDialogFrame(QDialog& dialog) : QObject(&dialog), dialog_(dialog) {
        dialog.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &dialog_) return false;
        if (event->type() == QEvent::Show) dialog_.setFixedSize(dialog_.size());
        // A window manager that offers minimising all the same (some do for every dialog)
        // would hide a modal dialog that has no taskbar button to come back from.
        if (event->type() == QEvent::WindowStateChange && dialog_.isMinimized())
            dialog_.setWindowState(dialog_.windowState() & ~Qt::WindowMinimized);
        return false;
    }

private:
    QDialog& dialog_;
};
}  // namespace

bool WindowManagerRunning() {
    return X11SelectionOwned("WM_S0");
}

void UseDialogFrame(QDialog& dialog) {
    new TDialogFrame(dialog);
}

}  // namespace kiova
