#include "MainMenu.h"

#include "QtText.h"
#include "UiTexts.h"

namespace kiova {
namespace {
QAction* AddItem(QMenu& menu, QWidget* window, TUiText caption, const QKeySequence& shortcut = {}) {
    QAction* action = menu.addAction(ToQString(caption));
    action->setShortcut(shortcut);
    window->addAction(action);
    return action;
}
}  // namespace

TMainMenu::TMainMenu(QWidget* window)
    : menu_(window),
      show_patting(AddItem(menu_, window, kMenuShowPatting, QKeySequence(Qt::CTRL | Qt::Key_N))),
      stay_on_top(AddItem(menu_, window, kMenuStayOnTop)),
      desktop_mode(AddItem(menu_, window, kMenuDesktopMode)),
      change_state(AddItem(menu_, window, kMenuHide)),
      configure(AddItem(menu_, window, kMenuConfigure)),
      change_character(AddItem(menu_, window, kMenuChangeCharacter)),
      help((menu_.addSeparator(), AddItem(menu_, window, kMenuHelp, QKeySequence(Qt::Key_F1)))),
      web_site(AddItem(menu_, window, kMenuWebSite)),
      about(AddItem(menu_, window, kMenuAbout)),
      quit((menu_.addSeparator(),
            AddItem(menu_, window, kMenuQuit, QKeySequence(Qt::CTRL | Qt::Key_Q)))) {
    stay_on_top->setCheckable(true);
    desktop_mode->setCheckable(true);
}

void TMainMenu::SetWindowShown(bool shown) {
    change_state->setText(ToQString(shown ? kMenuHide : kMenuShow));
}

}  // namespace kiova
