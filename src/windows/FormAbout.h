// TFormAbout: the modal about dialog with its program and character pages.
#pragma once

class QWidget;

namespace kiova {

class TFrontEnd;

void RunAboutDialog(QWidget* parent, TFrontEnd& front_end);

}  // namespace kiova
