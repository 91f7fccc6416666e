// The costing window's "Cal": press to results painted, at the design point and
// through the bin path (bin windows not shown: no presenter is set), on
// whichever Qt platform is in force (offscreen unless QT_QPA_PLATFORM says
// otherwise).
#include "costing/frmCosting.h"
#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void pressCostingCal(benchmark::State& state, bool binData)
{
    vexa::app::frmMain main;
    main.setProgramEnd([] {});
    vexa::app::frmCosting costing(&main);
    main.setCostingLink(&costing);
    main.revealAdditionalInformation();
    main.startUpAction();
    main.findChild<QRadioButton*>(QStringLiteral("optRate"))->setChecked(true);
    main.findChild<QComboBox*>(QStringLiteral("cmbRows"))->setEditText(QStringLiteral("2"));
    main.findChild<QComboBox*>(QStringLiteral("cmbFPI"))->setEditText(QStringLiteral("8"));
    main.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    main.findChild<QPushButton*>(QStringLiteral("cmdcosting"))->click();
    costing.findChild<QRadioButton*>(QStringLiteral("optStraight"))->setChecked(true);
    if (binData) {
        costing.findChild<QComboBox*>(QStringLiteral("cmbCountry"))->setCurrentIndex(12);
        costing.findChild<QLineEdit*>(QStringLiteral("txtenergycost"))->setText(QStringLiteral("0.08"));
        costing.findChild<QRadioButton*>(QStringLiteral("optBinPayback"))->setChecked(true);
    }
    auto* cal = costing.findChild<QPushButton*>(QStringLiteral("cmdcost"));
    QApplication::processEvents();
    for (auto _ : state) {
        cal->click();
        costing.repaint(); // the results on screen, not only in the boxes
    }
    if (costing.findChild<QLineEdit*>(QStringLiteral("txtSizes"))->text().isEmpty()) {
        state.SkipWithError("the costing failed");
    }
}

void BM_CostingCalDesignPoint(benchmark::State& state)
{
    pressCostingCal(state, false);
}
BENCHMARK(BM_CostingCalDesignPoint)->Unit(benchmark::kMillisecond);

void BM_CostingCalBinData(benchmark::State& state)
{
    pressCostingCal(state, true);
}
BENCHMARK(BM_CostingCalBinData)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Settings of its own, so that the user's stored country does not count.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
