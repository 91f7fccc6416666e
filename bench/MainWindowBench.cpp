// The main window's "Cal": press to results painted, for the selection example
// and a chilled water selection, on whichever Qt platform is in force (offscreen
// unless QT_QPA_PLATFORM says otherwise).
#include "common/MessageBoxes.h"
#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>

#include <benchmark/benchmark.h>

namespace {

void pressCal(benchmark::State& state, const char* coilOption)
{
    vexa::app::frmMain window;
    window.setProgramEnd([] {});
    window.startUpAction();
    window.findChild<QRadioButton*>(QLatin1String(coilOption))->setChecked(true);
    auto* cal = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    QApplication::processEvents();
    for (auto _ : state) {
        cal->click();
        window.repaint(); // the results on screen, not only in the boxes
    }
    if (!window.findChild<QPushButton*>(QStringLiteral("cmdcosting"))->isEnabled()) {
        state.SkipWithError("the calculation failed");
    }
}

void BM_CalSelectionExample(benchmark::State& state)
{
    pressCal(state, "optHponly");
}
BENCHMARK(BM_CalSelectionExample)->Unit(benchmark::kMillisecond);

void BM_CalChilledWaterSelection(benchmark::State& state)
{
    pressCal(state, "optWater");
}
BENCHMARK(BM_CalChilledWaterSelection)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
