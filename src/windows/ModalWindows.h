// Ending the nested event loops of modal windows from outside them: a termination signal or the
// session's end must not wait for the user to answer a dialog.
#pragma once

namespace kiova {

// Closes every open modal window, innermost first, each dialog as Cancel. A dialog that would
// refuse the user's Cancel (the settings dialog without a valid profile) closes all the same;
// its caller learns of the end from the logic.
void CloseModalWindows();

}  // namespace kiova
