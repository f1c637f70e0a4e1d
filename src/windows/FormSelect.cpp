// Placeholder until the selection dialog lands: the program must build meanwhile.
#include "FormSelect.h"

#include "CharacterSelection.h"

namespace kiova {

void RunSelectDialog(QWidget*, TCharacterSelection& selection) {
    selection.Cancel();
}

}  // namespace kiova
