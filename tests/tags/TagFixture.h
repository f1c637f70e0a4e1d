// A character with the tag language attached, a fixed clock and a recording open-document
// service, for tests that evaluate tags the way the program does. The data folder has a blank
// in its name, as folders often do.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Character.h"
#include "Clock.h"
#include "CodePage.h"
#include "HandOverQueue.h"
#include "TagInterpreter.h"
#include "engine/TestCharacter.h"

namespace kiova::testing {

// Sunday 2003/05/04 18:07:09 local, nine hours ahead of UTC.
inline TDateTime TestNow() {
    return *EncodeDateTime({2003, 5, 4, 18, 7, 9, 0});
}

inline void FixClock(TDateTime local) {
    SetClock(std::make_shared<TFixedClock>(local, local - 9.0 / 24));
}

// One evaluation and what it must give.
struct TagCase {
    const char* text;
    const char* expected;
};

class TagFixture : public ::testing::Test {
protected:
    static constexpr std::string_view kDataFolderName = "data folder";

    TagFixture() {
        FixClock(TestNow());
        package_.Set("folder", std::string(kDataFolderName));
        package_.Set("data01", "conditions.txt").Set("datac2", "chat.txt");
        WriteData("conditions.txt", "{EQ{PREV}|PING},Pong\r\n");
        WriteData("chat.txt", "Hi there\r\n");
    }
    ~TagFixture() override {
        character_.reset();
        SetClock(nullptr);
    }

    // Creates the character on first use, so a test may add files and services first.
    TCharacter& Character() {
        if (!character_) character_ = std::make_unique<TCharacter>(package_.Write(), Services());
        return *character_;
    }
    void Unload() { character_.reset(); }

    // EvaluateTags with UTF-8 in and out.
    std::string Eval(std::string_view text) {
        return Utf16ToUtf8(Character().EvaluateTags(Utf8ToUtf16(text)));
    }
    // Evaluates each case in order, in the one character.
    void ExpectTagCases(std::span<const TagCase> cases) {
        for (const TagCase& tag_case : cases)
            EXPECT_EQ(Eval(tag_case.text), tag_case.expected) << "for " << tag_case.text;
    }
    void Respond(std::string_view input) { Character().Respond(Utf8ToUtf16(input), kTableMaskAll); }

    std::string DataFolder() const {
        return package_.Folder() / std::string(kDataFolderName) + "/";
    }
    std::string WriteData(std::string_view file, std::string_view bytes) {
        return package_.Folder().Write(std::string(kDataFolderName) + "/" + std::string(file),
                                       bytes);
    }

    virtual TCharacterServices Services() {
        TCharacterServices services =
            MakeCharacterServices(hand_over_, [this](const std::string& target) {
                opened_.push_back(target);
                return open_succeeds_;
            });
        services.report_problem = [this](std::string_view message) {
            if (report_problem_) report_problem_(message);
        };
        return services;
    }

    TestCharacter package_{"Test", "test"};
    THandOverQueue hand_over_;
    std::vector<std::string> opened_;
    bool open_succeeds_ = true;
    std::function<void(std::string_view)> report_problem_;
    std::unique_ptr<TCharacter> character_;
};

}  // namespace kiova::testing
