#include "FrontEndFixture.h"

#include "CodePage.h"
#include "Files.h"
#include "TextFileFormat.h"

namespace kiova::testing {
namespace {
std::vector<std::string> LinesAsUtf8(const std::string& path) {
    TTextFileFormat format;
    return ReadTextFileLines(path, format);
}
}  // namespace

FrontEndFixture::FrontEndFixture() {
    SetNow(kTestStart);
    folder.Write("Kiova.ini", std::string("[User]\r\n") + kValidProfileLine + "\r\n");
}

FrontEndFixture::~FrontEndFixture() {
    front_end.reset();
    SetClock(nullptr);
}

void FrontEndFixture::SetNow(TDateTime local) {
    SetClock(std::make_shared<TFixedClock>(local, local - 1.0 / 24));
}

std::string FrontEndFixture::ProgramFolder() const {
    return PathText(folder.Path()) + "/";
}

std::string FrontEndFixture::WriteGreeter(
    const std::string& name, const std::string& greeting,
    std::vector<std::pair<std::string, std::string>> replies) {
    TTestCharacter character{name, {{kOnGreeting, greeting}}, std::move(replies), {}};
    return WritePackage(character);
}

TFrontEnd& FrontEndFixture::Create() {
    TFrontEndSetup setup{ProgramFolder(), ProgramFolder() + "chat.log"};
    front_end = std::make_unique<TFrontEnd>(setup, view, sound, timer);
    return *front_end;
}

TFrontEnd& FrontEndFixture::Start(const std::string& package) {
    Create();
    EXPECT_TRUE(front_end->Start(package));
    return *front_end;
}

void FrontEndFixture::Type(const std::u16string& text) {
    view.balloon_text = text;
    front_end->Enter();
}

std::vector<std::u16string> FrontEndFixture::PlayOut(int limit) {
    std::vector<std::u16string> shown;
    while (State() == TBalloonState::bsResponding && !front_end->Player().WaitingForReturn() &&
           limit-- > 0) {
        Tick();
        shown.push_back(view.balloon_text);
    }
    return shown;
}

std::vector<std::string> FrontEndFixture::ChatLog() const {
    return LinesAsUtf8(ProgramFolder() + "chat.log");
}

std::vector<std::string> FrontEndFixture::ErrorLog() const {
    return LinesAsUtf8(ProgramFolder() + "KiovaErr.log");
}

}  // namespace kiova::testing
