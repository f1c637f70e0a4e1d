// TFormSelect: the modal character selection dialog over a TCharacterSelection.
#pragma once

class QWidget;

namespace kiova {

class TCharacterSelection;

// Runs the dialog; the outcome (a chosen path, or cancelled) is left in `selection`.
void RunSelectDialog(QWidget* parent, TCharacterSelection& selection);

}  // namespace kiova
