#include "bindata/ui/frmSelectBinData.h"

#include "bindata/BinState.h"
#include "bindata/ui/BinText.h"
#include "bindata/ui/BinWindowParts.h"
#include "bindata/ui/frmBinDataGraph.h"
#include "bindata/ui/frmBinPayback.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa::binwindows {

frmSelectBinData::frmSelectBinData(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSelectBinData"));
    prepareWindow(this, QStringLiteral("Select Bin Data"), false);

    m_city = new QLabel;
    m_city->setObjectName(QStringLiteral("lblCity"));
    m_city->setFrameShape(QFrame::Box);
    m_city->setAlignment(Qt::AlignCenter);
    QFont bold = m_city->font();
    bold.setBold(true);
    m_city->setFont(bold);

    auto* grid = new QGridLayout;
    const QStringList heads{QStringLiteral("DB (\u00b0C)"), QStringLiteral("WB (\u00b0C)"),
                            QStringLiteral("RH (%)"), QStringLiteral("Hours")};
    const QStringList names{QStringLiteral("txtBinDB"), QStringLiteral("txtBinWB"),
                            QStringLiteral("txtBinRH"), QStringLiteral("txtBinHours")};
    for (int column = 0; column < 4; ++column) {
        grid->addWidget(new QLabel(heads.at(column)), 0, column + 1, Qt::AlignCenter);
    }
    for (int bin = 1; bin <= 10; ++bin) {
        grid->addWidget(new QLabel(QStringLiteral("Bin %1").arg(bin)), bin, 0);
        for (int column = 0; column < 4; ++column) {
            QLineEdit* box = lockedBox(names.at(column) + QString::number(bin));
            m_bins.at(static_cast<size_t>(bin)).at(static_cast<size_t>(column)) = box;
            grid->addWidget(box, bin, column + 1);
        }
    }

    QPushButton* graphically = button(QStringLiteral("Graphically"), "cmdGraphically");
    QPushButton* use = button(QStringLiteral("Use Selected Bin Data"), "cmdUseBinData");
    QPushButton* printButton = button(QStringLiteral("Print"), "cmdPrint");
    connect(graphically, &QPushButton::clicked, this, &frmSelectBinData::showGraphically);
    connect(use, &QPushButton::clicked, this, &frmSelectBinData::useSelectedBinData);
    connect(printButton, &QPushButton::clicked, this, &frmSelectBinData::print);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(graphically);
    buttons->addWidget(use);
    buttons->addWidget(printButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_city);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void frmSelectBinData::fill()
{
    const BinState& bins = binState();
    for (size_t bin = 1; bin <= 10; ++bin) {
        auto& row = m_bins.at(bin);
        showBinWeather(bin, row.data());
    }
    m_city->setText(QString::fromStdString(bins.cityName));
}

void frmSelectBinData::useSelectedBinData()
{
    {
        frmBinPayback payback(this);
        payback.fill();
        payback.exec();
    }
    accept();
}

void frmSelectBinData::showGraphically()
{
    frmBinDataGraph graph(this);
    graph.fill();
    graph.exec();
}

// A print button that did nothing would leave the user believing the table had
// gone to the printer; it prints the window like the payback window does.
void frmSelectBinData::print()
{
    if (!printImage(this)) {
        reportPrintFailure(this, QString(), QStringLiteral("The window can't be printed."), false);
    }
}

} // namespace vexa::binwindows
