#include "mainwindow/StartUp.h"

#include "common/BinWindowServices.h"
#include "common/CommandLine.h"
#include "common/CostingSettings.h"
#include "common/MessageBoxes.h"
#include "costing/frmCosting.h"
#include "design/Psychrometric.h"
#include "gadialogs/DimensionDialogs.h"
#include "mainwindow/PsychrometricChart.h"
#include "mainwindow/frmMain.h"
#include "mainwindow/frmSplash.h"
#include "reports/frmSummary.h"

#include <QPointer>

namespace vexa::app {

frmMain* startProgram(const QStringList& arguments)
{
    installBinWindows();

    const int32_t orderKey = quoteIdFrom(joinedCommandLine(arguments));
    if (orderKey != 0) {
        // The quote manager opens orders; until it is part of the program, the
        // program goes on as a design tool.
        inform(nullptr, QStringLiteral("Quotation Not Available"),
               QStringLiteral(
                   "Order %1 cannot be opened: this version of Ardel Vexa cannot open quotations yet. "
                   "The program will start as a design tool.")
                   .arg(orderKey));
    }

    // The splash goes up first and is painted at once; the main window is built
    // behind it while its progress bar runs.
    auto* holder = new QPointer<frmMain>;
    auto* splash = new frmSplash([holder] {
        if (*holder != nullptr) {
            (*holder)->startUpAction();
        }
        delete holder;
    });
    splash->show();
    splash->repaint();

    auto* main = new frmMain;
    *holder = main;
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->setCostingSettings(loadCostingSettings().value_or(CostingSettings{}));
    main->revealAdditionalInformation();

    // The costing window reads the stored costing settings as it is built and
    // lives as long as the main window.
    auto* costing = new frmCosting(main);
    main->setCostingLink(costing);
    costing->setDimensionDialogOpener(openDimensionDialog);
    QObject::connect(main, &QObject::destroyed, costing, [costing] { delete costing; });
    costing->setSummaryOpener([costing] { openSummary(costing); });
    main->setSummaryOpener([main] { openSummary(main); });
    main->setChartOpener([main] {
        if (Main* engine = main->engineMain()) {
            plotPsychrometricChart(main, engine->Psychrometric());
        }
    });
    return main;
}

} // namespace vexa::app
