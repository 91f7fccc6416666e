// Pictures of the bin windows, the summary and the chart workbook, drawn from the
// real windows offscreen (scripts/make-report-pictures.sh turns the workbook into
// a picture with LibreOffice).
#include "bindata/Bin.h"
#include "bindata/ui/frmBinDataGraph.h"
#include "bindata/ui/frmBinPayback.h"
#include "bindata/ui/frmBinResultsGraph.h"
#include "common/MessageBoxes.h"
#include "costing/Cost.h"
#include "design/Main.h"
#include "design/Psychrometric.h"
#include "mainwindow/PsychrometricChart.h"
#include "mainwindow/frmMain.h"
#include "reports/frmSummary.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>

namespace {

bool save(QWidget* window, const QString& path)
{
    window->show();
    QApplication::processEvents();
    const bool saved = window->grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

// The rating example priced as a horseshoe, with the bin payback for Dubai.
bool binPictures(const QDir& folder)
{
    vexa::Main main;
    main.setOptMode(vexa::SELECTorRATE::Rating_Mode);
    main.setFinned_Height(1200);
    main.setFinned_Width(1800);
    main.setTubeDiameter("12");
    main.setVexaApplicationType(vexa::VexaType::UK);
    main.setDryBulb_1(33);
    main.setWetBulb_1(27.5F);
    main.setDryBulb_3(14);
    main.setNoOfRowsHeatpipe(2);
    main.setFPI_Heatpipe(8);
    main.InitiateMainCalculations();
    main.Cost().setHeatpipeStyle(vexa::HeatpipeStyling::Horseshoe_Heatpipe);
    main.Cost().setMargin(35);
    main.Cost().InitiateCostingCalculations();
    main.Cost().Bin().setCity(vexa::Country::UAE_Dubai);
    main.Cost().Bin().UseBinData();

    vexa::binwindows::frmBinDataGraph data;
    data.fill();
    bool ok = save(&data, folder.filePath(QStringLiteral("bin-data-chart.png")));
    vexa::binwindows::frmBinPayback payback;
    payback.fill();
    ok = save(&payback, folder.filePath(QStringLiteral("bin-payback.png"))) && ok;
    vexa::binwindows::frmBinResultsGraph results;
    results.fill();
    return save(&results, folder.filePath(QStringLiteral("bin-savings-chart.png"))) && ok;
}

// Boxes are printed instead of waiting for a click that never comes offscreen.
class PrintedBoxes : public vexa::app::MessageBoxes {
public:
    vexa::app::MessageAnswer show(QWidget* /*parent*/, const vexa::app::MessageRequest& request) override
    {
        std::printf("box \"%s\": %s\n", qPrintable(request.title), qPrintable(request.text));
        return request.defaultAnswer;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    PrintedBoxes boxes;
    vexa::app::setMessageBoxes(&boxes);
    const QDir folder(QApplication::arguments().value(1, QStringLiteral(".")));
    bool ok = binPictures(folder);

    // The selection example with a chilled water coil, calculated in the main window.
    vexa::app::frmMain main;
    main.setProgramEnd([] {});
    main.startUpAction();
    main.findChild<QRadioButton*>(QStringLiteral("optWater"))->setChecked(true);
    main.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QApplication::processEvents();
    vexa::app::frmSummary summary(vexa::app::SummarySources{&main, nullptr, false});
    ok = save(&summary, folder.filePath(QStringLiteral("summary.png"))) && ok;

    if (vexa::Main* engine = main.engineMain()) {
        ok = vexa::app::plotPsychrometricChart(&main, engine->Psychrometric()) && ok;
        std::printf("workbook %s\n", engine->Psychrometric().WorkbookPath().c_str());
    } else {
        ok = false;
    }
    return ok ? 0 : 1;
}
