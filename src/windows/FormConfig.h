// TFormConfig: the modal settings dialog (general, user and plug-in pages) over the front end.
#pragma once

class QWidget;

namespace kiova {

class TFrontEnd;

// Runs the dialog until it is left with a valid user profile; OK applies what it shows.
void RunConfigDialog(QWidget* parent, TFrontEnd& front_end);

}  // namespace kiova
