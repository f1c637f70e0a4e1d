// Placeholder until the settings dialog lands: the program must build meanwhile.
#include "FormConfig.h"

namespace kiova {

void RunConfigDialog(QWidget*, TFrontEnd&) {}

}  // namespace kiova
