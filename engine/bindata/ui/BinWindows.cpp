#include "bindata/ui/BinWindows.h"

#include "bindata/Bin.h"
#include "bindata/ui/frmSelectBinData.h"

#include <QApplication>

#include <utility>

namespace vexa::binwindows {

namespace {
Services g_services;
}

void install(Services services)
{
    g_services = std::move(services);
    setBinWindowsPresenter([] { ShowBinTable(); });
}

const Services& services()
{
    return g_services;
}

void ShowBinTable()
{
    frmSelectBinData table(QApplication::activeWindow());
    table.fill();
    table.exec();
}

} // namespace vexa::binwindows
