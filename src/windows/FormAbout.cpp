// Placeholder until the about dialog lands: the program must build meanwhile.
#include "FormAbout.h"

namespace kiova {

void RunAboutDialog(QWidget*, TFrontEnd&) {}

}  // namespace kiova
