#include "mainwindow/StartUp.h"

#include "common/CommandLine.h"
#include "common/CostingSettings.h"
#include "common/MessageBoxes.h"
#include "mainwindow/frmMain.h"
#include "mainwindow/frmSplash.h"

namespace vexa::app {

frmMain* startProgram(const QStringList& arguments)
{
    auto* main = new frmMain;
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->setCostingSettings(loadCostingSettings().value_or(CostingSettings{}));

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
    main->revealAdditionalInformation();
    auto* splash = new frmSplash([main] { main->startUpAction(); });
    splash->show();
    return main;
}

} // namespace vexa::app
