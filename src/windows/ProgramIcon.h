// The program's icon: the installed theme icon "kiova" where there is one, otherwise the
// built-in character balloon, so the tray and the windows always have an icon.
#pragma once

#include <QIcon>

namespace kiova {

QIcon ProgramIcon();

}  // namespace kiova
