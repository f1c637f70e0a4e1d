// A program folder in a temporary folder, a front end over the recording view, and helpers to
// drive it through the timer and the Enter key with a fixed clock.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Clock.h"
#include "FrontEnd.h"
#include "RecordingView.h"
#include "TempFolder.h"
#include "TestCharacters.h"

namespace kiova::testing {

// 2024/03/05 10:20:30 local time.
inline constexpr TDateTime kTestStart = 45356.0 + (10 * 3600 + 20 * 60 + 30) / 86400.0;
// Conditions of the events a character answers in its condition tables.
inline constexpr char kOnGreeting[] = "{EQ{OPERATEMESSAGE}|KCCALLED}";
inline constexpr char kOnClose[] = "{EQ{OPERATEMESSAGE}|CLOSEWINDOW}";
inline constexpr char kOnInvalidCharacter[] = "{EQ{OPERATEMESSAGE}|INVALIDCHARACTER}";
inline constexpr char kOnSwitchRequest[] = "{LIKE{OPERATEMESSAGE}|READCHARACTER:}";

inline constexpr char kValidProfileLine[] = "User=Yamada{BR}Taro{BR}taro{BR}Taro{BR}{BR}1980/05/05";

class FrontEndFixture : public ::testing::Test {
protected:
    FrontEndFixture();
    ~FrontEndFixture() override;

    void SetNow(TDateTime local);
    std::string ProgramFolder() const;

    std::string WritePackage(const TTestCharacter& character) {
        return WriteCharacter(folder, character);
    }
    // A character named `name` whose greeting is `greeting`, answering the typed patterns of
    // `replies`.
    std::string WriteGreeter(const std::string& name, const std::string& greeting,
                             std::vector<std::pair<std::string, std::string>> replies = {});

    // Creates the front end and starts it with `package`; expects the start to succeed.
    TFrontEnd& Start(const std::string& package);
    // Creates the front end without starting it.
    TFrontEnd& Create();

    void Tick(int ticks = 1) { timer.Fire(ticks); }
    // The user types `text` into the balloon and presses Enter.
    void Type(const std::u16string& text);
    // Ticks until the answer has been played or waits for Enter; the balloon text after each
    // tick.
    std::vector<std::u16string> PlayOut(int limit = 200);
    TBalloonState State() const { return front_end->Player().State(); }

    // The log files' lines, as UTF-8.
    std::vector<std::string> ChatLog() const;
    std::vector<std::string> ErrorLog() const;

    TempFolder folder;  // the program folder; outlives everything below
    TRecordingView view;
    TManualTimer timer;
    TRecordingSound sound;
    std::unique_ptr<TFrontEnd> front_end;
};

}  // namespace kiova::testing
