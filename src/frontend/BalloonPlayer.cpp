// An answer text goes in; letters, line breaks and the effects of its commands come out, one
// per tick. Executed commands are stepped over, never cut out of the answer, so each costs its
// own length whatever follows it. A step never nests in another (a modal dialog opened by a command
// delivers ticks while the step is still running), and a step whose command replaced the
// answer ends there, touching nothing of the new one.
#include "BalloonPlayer.h"

#include <algorithm>

#include "Character.h"
#include "Clock.h"
#include "CodePage.h"
#include "View.h"

namespace kiova {
namespace {
using enum TBalloonState;

constexpr int kPauseTicks = 3;
constexpr double kSecondsPerDay = 86400.0;

std::u16string WithoutLineBreaks(std::u16string text) {
    std::erase_if(text, [](char16_t unit) { return unit == u'\r' || unit == u'\n'; });
    return text;
}

// Removes each CR LF pair in one pass.
std::u16string WithoutCrLf(std::u16string_view text) {
    std::u16string kept;
    kept.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        else
            kept += text[i];
    }
    return kept;
}

// Commands that read the balloon's text, open a dialog or a window over it, or leave the
// answer: the view must show the balloon as it stands before they run. The others leave what
// a skip gathers to its end.
bool ShowsTheBalloon(EOutputCommand kind) {
    switch (kind) {
        case EOutputCommand::Clear:
        case EOutputCommand::QuitSystem:
        case EOutputCommand::Skip:
        case EOutputCommand::ReadCharacter:
        case EOutputCommand::ChangeCharacter:
        case EOutputCommand::ShowWindow:
        case EOutputCommand::Iconize:
            return true;
        default:
            return false;
    }
}

class TBusyGuard {
public:
    explicit TBusyGuard(bool& busy) : busy_(busy) { busy_ = true; }
    ~TBusyGuard() { busy_ = false; }
    TBusyGuard(const TBusyGuard&) = delete;
    TBusyGuard& operator=(const TBusyGuard&) = delete;

private:
    bool& busy_;
};
}  // namespace

void TBalloonPlayer::ChangeState(TBalloonState new_state) {
    ShowChanges();
    if (state_ == bsSuspended || new_state == bsSuspended) {
        // A dialog comes or goes: the answer or the typing goes on afterwards and is logged
        // once, when it is really left.
        state_ = new_state;
        return;
    }
    if (state_ == bsResponding) host_.WriteChatLog(lines_.Text());
    if (state_ == bsListening) host_.WriteChatLog(WithoutLineBreaks(view_.BalloonText()));
    state_ = new_state;
    view_.SetBalloonReadOnly(false);
    if (new_state == bsResponding) {
        answer_ = host_.FireEvent("KE_BeginRespond", answer_);
        view_.SetBalloonReadOnly(true);
    } else if (new_state == bsAnswered) {
        host_.FireEvent("KE_EndRespond", lines_.Text());
        view_.SetBalloonReadOnly(true);
    }
    lines_.Reset();
    changes_.ReplaceAll();
    host_.Repaint(state_);
}

void TBalloonPlayer::Play(std::u16string answer) {
    answer_ = std::move(answer);
    next_ = 0;
    sound_due_ = 0;
    skipping_ = false;
    ++generation_;
    ChangeState(bsResponding);
}

void TBalloonPlayer::Enter() {
    switch (state_) {
        case bsResponding:
            if (waiting_for_return_) {
                waiting_for_return_ = false;
                EraseBalloonChar();  // the wait marker
            } else {
                FastForward();
            }
            break;
        case bsAnswered:
            view_.SetBalloonText(u"");
            ChangeState(bsListening);
            break;
        case bsListening: {
            ChangeState(bsIdle);
            std::u16string line = WithoutLineBreaks(view_.BalloonText());
            view_.SetBalloonText(u"");
            std::u16string answer = host_.Think(line, kTableMaskAll);
            host_.ResetPicture();
            Play(std::move(answer));
            break;
        }
        case bsIdle:
        case bsSuspended:
            break;
    }
}

// Plays the rest of the answer at once. It stops at a wait, leaving its marker shown, and when
// the answer is replaced (SKIP:, a character switch), so an answer that keeps replacing itself
// cannot hang the program. Pauses pass unseen, so they are skipped rather than counted down.
// A synchronous sound stops it too; the ticks go on with it once the sound has played.
void TBalloonPlayer::FastForward() {
    uint64_t generation = generation_;
    fast_forwarding_ = true;
    while (state_ == bsResponding && !waiting_for_return_ && !WaitingForSound() && !busy_ &&
           generation_ == generation) {
        delay_ticks_ = 0;
        PlayStep();
    }
    fast_forwarding_ = false;
    ShowChanges();
    skipping_ = state_ == bsResponding && generation_ == generation && WaitingForSound();
}

bool TBalloonPlayer::WaitingForSound() const {
    return sound_due_ != 0 && CurrentClock()->Now() < sound_due_;
}

void TBalloonPlayer::WaitForSound(int milliseconds) {
    if (milliseconds <= 0) return;
    sound_due_ = CurrentClock()->Now() +
                 std::min(milliseconds, kSoundWaitLimitMs) / (kSecondsPerDay * 1000.0);
}

void TBalloonPlayer::Tick() {
    if (state_ == bsResponding) {
        if (WaitingForSound()) return;
        if (skipping_)
            FastForward();
        else
            PlayStep();
        return;
    }
    if (!timer_armed_ || CurrentClock()->Now() < timer_due_) return;
    timer_armed_ = false;
    TBalloonState saved = state_;
    ChangeState(bsIdle);
    std::u16string reply = host_.Think(timer_input_, kTableMaskAll);
    if (reply.empty()) {
        ChangeState(saved);
        return;
    }
    std::u16string answer = host_.EvaluateTags(reply);
    view_.SetBalloonText(u"");
    Play(std::move(answer));
    host_.ShowAndActivate();
}

void TBalloonPlayer::PlayStep() {
    if (busy_) return;
    TBusyGuard guard(busy_);
    if (next_ >= answer_.size()) {
        EndAnswer();
        return;
    }
    if (waiting_for_return_ || WaitingForSound()) return;
    if (delay_ticks_ > 0) {
        --delay_ticks_;
        return;
    }
    char16_t unit = answer_[next_];
    if (unit == u'\r') {
        lines_.NextLine();
        next_ += 2;  // the CR and the LF after it
    } else if (unit == u'{') {
        if (RunCommand() == EStep::Ends) return;
    } else {
        AddBalloonText(std::u16string(1, unit));
        ++next_;
    }
    if (next_ >= answer_.size()) EndAnswer();
}

void TBalloonPlayer::EndAnswer() {
    next_ = 0;
    ChangeState(bsAnswered);
}

TBalloonPlayer::EStep TBalloonPlayer::RunCommand() {
    TCommandSpan span = ScanCommand(answer_, next_);
    const TOutputCommand command = ParseOutputCommand(span.raw);
    uint64_t generation = generation_;
    if (ShowsTheBalloon(command.kind)) ShowChanges();
    if (Execute(command) == EStep::Ends || generation_ != generation) return EStep::Ends;
    next_ = std::min(span.end, answer_.size());  // a cancelled CHANGECHARACTER cut it short
    return EStep::Continues;
}

TBalloonPlayer::EStep TBalloonPlayer::Execute(const TOutputCommand& command) {
    switch (command.kind) {
        case EOutputCommand::Delay:
            delay_ticks_ = command.number;
            break;
        case EOutputCommand::Pause:
            delay_ticks_ = kPauseTicks;
            break;
        case EOutputCommand::SoundAsync:
            host_.PlaySound(command.text);
            break;
        case EOutputCommand::SoundSync:
            WaitForSound(host_.PlaySound(command.text));
            break;
        case EOutputCommand::WaitReturn:
            waiting_for_return_ = true;
            AddBalloonText(command.text);
            break;
        case EOutputCommand::ShowText:
            AddBalloonText(WithoutCrLf(command.text));
            break;
        case EOutputCommand::Backspace:
            EraseBalloonChar();
            break;
        case EOutputCommand::Clear:
            host_.WriteChatLog(view_.BalloonText());
            lines_.Empty();
            changes_.ReplaceAll();
            view_.BalloonCleared();
            break;
        case EOutputCommand::Timer:
            if (command.number >= 1) {
                timer_armed_ = true;
                timer_due_ = CurrentClock()->Now() + command.number / kSecondsPerDay;
                timer_input_ = command.text;
            }
            break;
        case EOutputCommand::CancelTimer:
            timer_armed_ = false;
            break;
        case EOutputCommand::QuitSystem:
            state_ = bsAnswered;
            host_.WriteChatLog(view_.BalloonText());
            host_.Quit();
            break;
        case EOutputCommand::Skip:
            ChangeState(bsIdle);
            view_.SetBalloonText(u"");
            Play(host_.Think(command.text, kTableMaskAll));
            return EStep::Ends;
        case EOutputCommand::ReadCharacter:
            ChangeState(bsAnswered);
            view_.SetBalloonText(u"");
            if (!host_.LoadCharacter(Utf16ToUtf8(command.text)))
                Play(host_.Think(u"InvalidCharacter", kTableMaskEvents));
            return EStep::Ends;
        case EOutputCommand::ChangeCharacter: {
            uint64_t generation = generation_;
            host_.ChangeCharacter();
            if (generation_ != generation) return EStep::Ends;  // the farewell plays from its start
            answer_.resize(next_);  // cancelled: the rest of this answer is dropped
            return EStep::Continues;
        }
        case EOutputCommand::None:
            break;
        default:
            host_.RunWindowCommand(command);
            break;
    }
    return EStep::Continues;
}

void TBalloonPlayer::AddBalloonText(std::u16string_view text) {
    changes_.Added(lines_.Append(text));
    ShowLines();
}

void TBalloonPlayer::EraseBalloonChar() {
    if (std::optional<std::u16string> erased = lines_.EraseLast()) {
        changes_.Erased(*erased);
        ShowLines();
    }
}

void TBalloonPlayer::ShowLines() {
    if (!fast_forwarding_) ShowChanges();
}

}  // namespace kiova
