// The states of the speech balloon.
#pragma once

namespace kiova {

enum class TBalloonState {
    bsIdle,        // between activities, inside several operations
    bsResponding,  // an answer is being played out
    bsAnswered,    // the answer has been played and stays until Enter
    bsListening,   // the user is typing a line
    bsSuspended,   // a modal dialog is open; the player rests
};

}  // namespace kiova
