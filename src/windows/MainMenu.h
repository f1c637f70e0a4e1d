// TMainMenu: the main window's context menu, shared by the window and the tray icon. Its
// actions also live on the window, so their shortcuts (Ctrl+N, F1, Ctrl+Q) work without the
// menu open.
#pragma once

#include <QMenu>

namespace kiova {

class TMainMenu final {
    QMenu menu_;  // first: the actions below are made in it

public:
    explicit TMainMenu(QWidget* window);

    QMenu& Menu() { return menu_; }
    // The hide/show item names what it will do.
    void SetWindowShown(bool shown);

    QAction* const show_patting;
    QAction* const stay_on_top;   // checkable
    QAction* const desktop_mode;  // checkable
    QAction* const change_state;
    QAction* const configure;
    QAction* const change_character;
    QAction* const help;
    QAction* const web_site;
    QAction* const about;
    QAction* const quit;
};

}  // namespace kiova
