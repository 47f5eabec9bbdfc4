// One shuffle with the board window on screen (offscreen platform): the 1000 presses move the
// real buttons, and the pending events are processed so that every moved button is in place.

#include "ui/app/program.h"
#include "ui/platform/fonts.h"
#include "ui/windows/form1.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_ShuffleOnShownBoard(benchmark::State &state)
{
    ui::Program program;
    ui::Form1 &form = program.showForm1();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        form.mmezclar_Click();
        QCoreApplication::processEvents();
    }
    benchmark::DoNotOptimize(form.game().board());
}
BENCHMARK(BM_ShuffleOnShownBoard)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
