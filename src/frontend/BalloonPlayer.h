// TBalloonPlayer: the balloon's state machine and the answer player. An answer is played into
// the balloon one unit per timer tick: a letter, a line break, or one output command. Enter
// fast-forwards an answer, ends a wait, opens the balloon for typing, or sends the typed line.
// Whatever lies beyond the balloon (the character, plug-ins, pictures, logs, the window) is
// reached through TBalloonHost.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "BalloonChanges.h"
#include "BalloonLines.h"
#include "BalloonState.h"
#include "DateTime.h"
#include "OutputCommand.h"

namespace kiova {

class TView;

// The longest a synchronous sound holds the answer, whatever its file claims to last.
inline constexpr int kSoundWaitLimitMs = 10'000;

class TBalloonHost {
public:
    virtual ~TBalloonHost() = default;
    // One reply cycle of the loaded character, with the plug-in hooks around it.
    virtual std::u16string Think(std::u16string_view input, uint8_t table_mask) = 0;
    virtual std::u16string EvaluateTags(std::u16string_view text) = 0;
    // Passes an event through the extended plug-ins; returns the data as they left it.
    virtual std::u16string FireEvent(std::string_view event, std::u16string_view data) = 0;
    virtual void WriteChatLog(std::u16string_view text) = 0;
    // Shows the balloon image for `state` and the current picture.
    virtual void Repaint(TBalloonState state) = 0;
    // The shown picture becomes the default picture again.
    virtual void ResetPicture() = 0;
    virtual void ShowAndActivate() = 0;
    // PIC:, SETDEFBITMAP:, SPEEDFAST, SPEEDSLOW, FONTBIG, FONTSMALL, SHOWWINDOW and ICONIZE.
    virtual void RunWindowCommand(const TOutputCommand& command) = 0;
    // SOUNDA: and SOUNDS: start the sound file `name` and return at once: how long it lasts in
    // milliseconds, 0 when nothing plays.
    virtual int PlaySound(std::u16string_view name) = 0;
    // Loads another character; false leaves the current one in place.
    virtual bool LoadCharacter(std::string_view package_path) = 0;
    // The selection dialog; when a character is chosen, its farewell has been started.
    virtual void ChangeCharacter() = 0;
    // Closes the main window (the farewell runs) and ends the program.
    virtual void Quit() = 0;
};

class TBalloonPlayer {
public:
    TBalloonPlayer(TBalloonHost& host, TView& view) : host_(host), view_(view) {}

    TBalloonState State() const { return state_; }
    // The only way the state changes (but for QUITSYSTEM, which sets it silently).
    void ChangeState(TBalloonState new_state);
    // Starts playing `answer` from its first unit.
    void Play(std::u16string answer);

    // The Enter key in the balloon.
    void Enter();
    // One timer tick: a step of the playing answer, or the deferred input when it is due.
    void Tick();
    // Plays one unit or one command of the answer.
    void PlayStep();

    // The text shown while the answer plays.
    const TBalloonLines& Lines() const { return lines_; }
    const std::u16string& Answer() const { return answer_; }
    // 0-based index of the next unit of Answer().
    size_t NextIndex() const { return next_; }
    int DelayTicks() const { return delay_ticks_; }
    bool WaitingForReturn() const { return waiting_for_return_; }
    // A synchronous sound holds the answer until it has played, for at most kSoundWaitLimitMs.
    bool WaitingForSound() const;
    TDateTime SoundDue() const { return sound_due_; }
    bool TimerArmed() const { return timer_armed_; }
    TDateTime TimerDue() const { return timer_due_; }
    const std::u16string& TimerInput() const { return timer_input_; }

private:
    enum class EStep { Continues, Ends };

    void FastForward();
    void WaitForSound(int milliseconds);
    EStep RunCommand();
    EStep Execute(const TOutputCommand& command);
    void EndAnswer();
    void AddBalloonText(std::u16string_view text);
    void EraseBalloonChar();
    // Shows the balloon's changes, unless a skip gathers them to show them at its end.
    void ShowLines();
    void ShowChanges() { changes_.ShowIn(view_, lines_); }

    TBalloonHost& host_;
    TView& view_;
    TBalloonState state_ = TBalloonState::bsIdle;
    std::u16string answer_;
    size_t next_ = 0;
    // Counts the answers started, so that a step or a fast-forward notices when the answer it
    // worked on has been replaced under it.
    uint64_t generation_ = 0;
    TBalloonLines lines_;
    TBalloonChanges changes_;
    bool fast_forwarding_ = false;
    int delay_ticks_ = 0;
    bool waiting_for_return_ = false;
    TDateTime sound_due_ = 0;
    bool skipping_ = false;  // Enter fast-forwards the answer; a sound holds it meanwhile
    bool timer_armed_ = false;
    TDateTime timer_due_ = 0;
    std::u16string timer_input_;
    bool busy_ = false;
};

}  // namespace kiova
