// The main window on Qt's offscreen platform with the demo character: from creating the window
// to the greeting's first letter in the balloon (the application object exists already; the
// whole process is measured by bench/app/window_figures.sh), and one letter's repaint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <cstdlib>
#include <filesystem>

#include "Files.h"
#include "FormMain.h"
#include "FrontEnd.h"
#include "QtTimerSource.h"
#include "RecordingView.h"
#include "TempFolder.h"

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

void BM_WindowToFirstLetter(benchmark::State& state) {
    TProgramCopy program;
    for (auto _ : state) {
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
BENCHMARK(BM_WindowToFirstLetter)->Unit(benchmark::kMillisecond)->Iterations(10);

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
