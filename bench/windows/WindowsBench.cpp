// The main window on Qt's offscreen platform with the demo character: from creating the window
// to the greeting's first letter in the balloon (the application object exists already; the
// whole process is measured by bench/app/window_figures.sh), and one letter's repaint. The
// start is measured with the built-in texts alone, with the English catalogue loaded first, and
// with Qt's Japanese one.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "Files.h"
#include "FormMain.h"
#include "FrontEnd.h"
#include "QtTimerSource.h"
#include "RecordingView.h"
#include "TempFolder.h"
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
    std::string Path() const { return AnsiPath(folder.Path()) + "/"; }
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
