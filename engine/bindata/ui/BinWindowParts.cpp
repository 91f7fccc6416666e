#include "bindata/ui/BinWindowParts.h"

#include "bindata/BinState.h"
#include "bindata/ui/BinText.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace vexa::binwindows {

QLineEdit* lockedBox(const QString& objectName)
{
    auto* box = new QLineEdit;
    box->setObjectName(objectName);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setMinimumWidth(70);
    return box;
}

QPushButton* button(const QString& caption, const char* objectName)
{
    auto* result = new QPushButton(caption);
    result->setObjectName(QLatin1String(objectName));
    result->setAutoDefault(false);
    return result;
}

void prepareWindow(QDialog* window, const QString& caption, bool closeBox)
{
    window->setWindowTitle(caption);
    window->setModal(true);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeBox) {
        flags |= Qt::WindowCloseButtonHint;
    }
    window->setWindowFlags(flags);
}

QMenuBar* fileMenu(QDialog* window, const std::function<void()>& print, const std::function<void()>& close)
{
    auto* bar = new QMenuBar(window);
    QMenu* file = bar->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* printWindow = file->addAction(QStringLiteral("Print Window"), window, print);
    printWindow->setObjectName(QStringLiteral("mnuPrintWindow"));
    file->addSeparator();
    QAction* closeWindow = file->addAction(QStringLiteral("Close"), window, close);
    closeWindow->setObjectName(QStringLiteral("mnuClose"));
    return bar;
}

void showBinWeather(size_t bin, QLineEdit* const* row)
{
    const BinState& bins = binState();
    row[0]->setText(oneDecimal(bins.dryBulb_C.at(bin)));
    row[1]->setText(oneDecimal(bins.wetBulb_C.at(bin)));
    row[2]->setText(oneDecimal(bins.relativeHumidity_pct.at(bin)));
    row[3]->setText(shortest(bins.hours.at(bin)));
}

} // namespace vexa::binwindows
