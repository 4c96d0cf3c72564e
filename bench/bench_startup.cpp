// Time from the start of the program to the sign-in window shown over the main window.
#include "platform/files/Paths.h"
#include "platform/forms/Form.h"
#include "shell/MDIMain.h"
#include "shell/Startup.h"
#include "shell/frmLogin.h"
#include "tests/support/ProgramFolder.h"

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

namespace {

void waitUntilShown(QWidget& window) {
    while (!window.isVisible()) QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void BM_StartToSignInWindow(benchmark::State& state) {
    tests::ProgramFolder folder;
    for (auto _ : state) {
        shell::startProgram();
        waitUntilShown(forms::get<shell::frmLogin>());
        state.PauseTiming();
        forms::destroyAll();
        delete &shell::MDIMain::instance();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToSignInWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QElapsedTimer sinceEntry;
    sinceEntry.start();
    QApplication app(argc, argv);
    // The application object is made once per run; its cost is part of every start.
    const double applicationMs = sinceEntry.nsecsElapsed() / 1e6;
    benchmark::AddCustomContext("application_object_ms", std::to_string(applicationMs));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
