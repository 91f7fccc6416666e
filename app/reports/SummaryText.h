#pragma once

#include <QDateTime>
#include <QString>

class QWidget;

namespace vexa::app {

// Where the summary takes its texts from: the main window and the costing window
// (either may be missing: its lines are then empty), read by their controls'
// object names, and whether the unit has been costed since the costing window was
// last closed.
struct SummarySources {
    QWidget* mainWindow = nullptr;
    QWidget* costingWindow = nullptr;
    bool costingDone = false;
};

// Rewrites the main window's air flow, coil width, dry and wet bulbs, water and
// evaporating temperatures and barometric pressure with their display patterns
// ("0.00", "0", "0.0"), as the summary shows them. Boxes that hold no number stay
// as they are.
void reformatMainWindowBoxes(QWidget* mainWindow);

// The summary text: the title, then 85 lines of label, two tabs, value, a tab and
// unit, each after a line feed; lines past the last entry are three tabs.
QString buildSummaryText(const SummarySources& sources, const QDateTime& now);

// The summary's last lines: the maker's name, four address lines, an empty line,
// then telephone, fax, e-mail and web.
QStringList makerAddressBlock();

} // namespace vexa::app
