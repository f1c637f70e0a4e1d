// The main window on Qt's offscreen platform with the demo character: from creating the window
// to the greeting's first letter in the balloon (the application object exists already; the
// whole process is measured by bench/app/window_figures.sh), and one letter's repaint. The
// start is measured with the built-in texts alone, with the English catalogue loaded first, and
// with Qt's Japanese one. Desktop mode's cost of a picture: keying it, its shape, and the
// character window taking it. Then long answers in the balloon, of letters or of output
// commands, skipped and played a unit per tick.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

#include "ColorKey.h"
#include "DesktopCharacter.h"
#include "Files.h"
#include "FormMain.h"
#include "FrontEnd.h"
#include "LongGreeter.h"
#include "PictureShape.h"
#include "QtTimerSource.h"
#include "RecordingView.h"
#include "TempFolder.h"
#include "TestCharacters.h"
#include "Translation.h"

namespace kiova {
namespace {
using testing::TempFolder;

// A copy of the program folder with a profile, so start-up does not ask for one.
struct TProgramCopy {
    TProgramCopy() {
        std::filesystem::copy(KIOVA_PROGRAM_DIR, folder.Path(),
                              std::filesystem::copy_options::recursive);
        folder.Write("Kiova.ini",
                     "[User]\r\nUser=Yamada{BR}Taro{BR}taro{BR}Taro{BR}{BR}1980/05/05\r\n");
    }
    std::string Path() const { return PathText(folder.Path()) + "/"; }
    TempFolder folder;
};

enum ECatalogue { kBuiltInTexts, kEnglish, kJapanese };

void BM_WindowToFirstLetter(benchmark::State& state) {
    TProgramCopy program;
    const auto catalogue = static_cast<ECatalogue>(state.range(0));
    for (auto _ : state) {
        std::optional<TTranslations> translations;
        if (catalogue != kBuiltInTexts)
            translations.emplace(
                catalogue == kEnglish ? EUiLanguage::English : EUiLanguage::Japanese,
                std::vector{program.folder.Path() / "translations"});
        TFormMain form;
        TQtTimerSource timer;
        testing::TRecordingSound sound;
        TFrontEnd front_end({program.Path(), program.Path() + "kiova.log"}, form, sound, timer);
        form.Attach(front_end, timer);
        bool started = false;
        form.Forward([&] { started = front_end.Start(program.Path() + "hina.ktc"); });
        if (!started) {
            state.SkipWithError("the demo character did not load");
            break;
        }
        while (form.BalloonText().empty())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        state.PauseTiming();
        front_end.Shutdown();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WindowToFirstLetter)
    ->ArgName("catalogue")
    ->Arg(kBuiltInTexts)
    ->Arg(kEnglish)
    ->Arg(kJapanese)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// Loading and installing a catalogue alone (kiova_en.qm, or Qt's qtbase_ja.qm).
void BM_LoadCatalogue(benchmark::State& state) {
    const std::vector<std::filesystem::path> folders{std::filesystem::path(KIOVA_PROGRAM_DIR) /
                                                     "translations"};
    const auto language = state.range(0) == kEnglish ? EUiLanguage::English : EUiLanguage::Japanese;
    for (auto _ : state) {
        TTranslations translations(language, folders);
        benchmark::DoNotOptimize(translations.OwnCatalogueLoaded());
    }
}
BENCHMARK(BM_LoadCatalogue)->ArgName("catalogue")->Arg(kEnglish)->Arg(kJapanese);

// A 400 x 600 character: a head and a body of curved outlines on the key colour, so every row
// has its own runs.
QImage CharacterPicture() {
    QImage picture(400, 600, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    QPainter painter(&picture);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 200, 180));
    painter.drawEllipse(120, 20, 160, 180);
    painter.setBrush(QColor(200, 40, 60));
    painter.drawEllipse(60, 180, 280, 400);
    painter.end();
    MakeKeyTransparent(picture, qRgb(0xF0, 0xF0, 0xF0));
    return picture;
}

void BM_KeyTransparent400x600(benchmark::State& state) {
    QImage plain = CharacterPicture().convertToFormat(QImage::Format_RGB32);
    for (auto _ : state) {
        QImage picture = plain;
        MakeKeyTransparent(picture, qRgb(0xF0, 0xF0, 0xF0));
        benchmark::DoNotOptimize(picture);
    }
}
BENCHMARK(BM_KeyTransparent400x600)->Unit(benchmark::kMicrosecond);

void BM_PictureShape400x600(benchmark::State& state) {
    const QImage picture = CharacterPicture();
    TPictureShape shape;
    for (auto _ : state) {
        shape = PictureShape(picture, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(shape);
    }
    state.counters["rects"] = shape.region.rectCount();
}
BENCHMARK(BM_PictureShape400x600)
    ->Arg(kShapeAlphaCut)
    ->Arg(kShapeAlphaAny)
    ->Unit(benchmark::kMicrosecond);

// A new picture each time (the shape and the window's mask anew), or the same one again, as
// every balloon state change shows it (nothing to do).
void BM_DesktopCharacterSetPicture(benchmark::State& state) {
    const bool changes = state.range(0) != 0;
    const QImage first = CharacterPicture();
    const QImage second = first.copy();
    TDesktopCharacter character(false);
    int turn = 0;
    for (auto _ : state) character.SetPicture(changes && (++turn & 1) ? second : first);
}
BENCHMARK(BM_DesktopCharacterSetPicture)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The main window with the long greeting started in it, ticked by hand.
struct TGreetingWindow {
    explicit TGreetingWindow(const TLongGreeter& character)
        : front_end({character.Path(), character.Path() + "kiova.log"}, form, sound, timer) {
        front_end.Start(character.package);
    }
    ~TGreetingWindow() { front_end.Shutdown(); }
    TGreetingWindow(const TGreetingWindow&) = delete;
    TGreetingWindow& operator=(const TGreetingWindow&) = delete;

    TFormMain form;
    testing::TManualTimer timer;
    testing::TRecordingSound sound;
    TFrontEnd front_end;
};

// Skipped with Enter as soon as it starts, until the balloon has drawn it: it reaches the
// balloon once and is laid out once.
void BM_SkippedAnswerInTheWindow(benchmark::State& state) {
    TimeGreeting<TGreetingWindow>(state, [](TGreetingWindow& window) {
        window.front_end.Enter();
        window.form.repaint();
        QCoreApplication::processEvents();
    });
}
BENCHMARK(BM_SkippedAnswerInTheWindow)
    ->ArgNames({"units", "commands"})
    ->ArgsProduct({{1 << 15, 1 << 20}, {0}})
    ->ArgsProduct({{1 << 12, 1 << 15, 1 << 17, 1 << 20}, {1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Played letter by letter, one tick each, the window redrawn after every tick: the time per
// letter stays flat as the answer grows.
void BM_PlayedAnswerInTheWindow(benchmark::State& state) {
    TimeGreeting<TGreetingWindow>(state, [](TGreetingWindow& window) {
        while (window.front_end.Player().State() == TBalloonState::bsResponding) {
            window.timer.Fire();
            window.form.repaint();
        }
    });
}
BENCHMARK(BM_PlayedAnswerInTheWindow)
    ->ArgNames({"units", "commands"})
    ->ArgsProduct({{1 << 10, 1 << 13}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace kiova

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
