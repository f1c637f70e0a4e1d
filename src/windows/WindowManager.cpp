#include "WindowManager.h"

#include <QDialog>
#include <QEvent>
#include <array>
#include <cstdint>

#include "X11Requests.h"

namespace kiova {
namespace {
// The Motif window manager hints: which fields count, then what the window allows.
constexpr uint32_t kHintFunctions = 1 << 0;
constexpr uint32_t kHintDecorations = 1 << 1;
constexpr uint32_t kFunctionMove = 1 << 2;
constexpr uint32_t kDecorationBorder = 1 << 1;
constexpr uint32_t kDecorationTitle = 1 << 3;

// Qt writes its own hints whenever it creates the native window, so they are written again
// before every map, after Qt's.
class TDialogFrame final : public QObject {
public:
    explicit TDialogFrame(QDialog& dialog) : QObject(&dialog), dialog_(dialog) {
        dialog.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &dialog_) return false;
        if (event->type() == QEvent::Show) Apply();
        // A window manager that offers minimising all the same (some do for every dialog)
        // would hide a modal dialog that has no taskbar button to come back from.
        if (event->type() == QEvent::WindowStateChange && dialog_.isMinimized())
            dialog_.setWindowState(dialog_.windowState() & ~Qt::WindowMinimized);
        return false;
    }

private:
    void Apply() {
        dialog_.setFixedSize(dialog_.size());
        xcb_connection_t* connection = X11Connection();
        if (connection == nullptr) return;
        const std::array<uint32_t, 5> hints{kHintFunctions | kHintDecorations, kFunctionMove,
                                            kDecorationBorder | kDecorationTitle, 0, 0};
        X11SetProperty(connection, static_cast<xcb_window_t>(dialog_.winId()), "_MOTIF_WM_HINTS",
                       "_MOTIF_WM_HINTS", hints);
    }

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
