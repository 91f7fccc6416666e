#include "bindata/ui/BinText.h"

#include "bindata/BinState.h"
#include "bindata/ui/BinWindows.h"
#include "common/NumberText.h"

namespace vexa::binwindows {

QString oneDecimal(float value)
{
    return QString::fromStdString(num::format(value, "0.0"));
}

QString shortest(float value)
{
    return QString::fromStdString(num::shortestText(value));
}

QString shortest(double value)
{
    return QString::fromStdString(num::shortestText(value));
}

double chartValue(float value)
{
    return shortest(value).toDouble();
}

QString binSummaryLine(int bin)
{
    const BinState& bins = binState();
    const auto at = static_cast<size_t>(bin);
    return QStringLiteral("Bin%1, DB %2\u00b0C, WB %3\u00b0C, RH %4%, Hours %5")
        .arg(bin)
        .arg(shortest(bins.dryBulb_C.at(at)), shortest(bins.wetBulb_C.at(at)),
             shortest(bins.relativeHumidity_pct.at(at)), shortest(bins.hours.at(at)));
}

void reportPrintFailure(QWidget* window, const QString& title, const QString& text, bool informationIcon)
{
    if (services().showMessage) {
        services().showMessage(window, title, text, informationIcon);
    }
}

bool printImage(QWidget* window)
{
    return services().printImage ? services().printImage(window) : false;
}

} // namespace vexa::binwindows
