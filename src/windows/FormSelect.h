// TFormSelect: the modal character selection dialog over a TCharacterSelection.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QFileDialog;
class QWidget;

namespace kiova {

class TCharacterSelection;

// Asks the user for a character file (the Browse button); nothing when cancelled.
using TCharacterFileChooser = std::function<std::optional<QString>(QWidget* parent)>;

// The file dialog that the Browse button opens: its caption, filter and file mode.
std::unique_ptr<QFileDialog> MakeCharacterFileDialog(QWidget* parent);
// Runs that file dialog modally.
std::optional<QString> ChooseCharacterFile(QWidget* parent);

// Runs the dialog; the outcome (a chosen path, or cancelled) is left in `selection`.
void RunSelectDialog(QWidget* parent, TCharacterSelection& selection,
                     const TCharacterFileChooser& choose_file = ChooseCharacterFile);

}  // namespace kiova
