#include "bindata/ui/frmBinPayback.h"

#include "bindata/BinState.h"
#include "bindata/ui/BinText.h"
#include "bindata/ui/BinWindowParts.h"
#include "bindata/ui/frmBinResultsGraph.h"
#include "costing/CostingState.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa::binwindows {

frmBinPayback::frmBinPayback(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmBinPayback"));
    prepareWindow(this, QStringLiteral("Estimated Payback Based on Bin Data"), false);

    auto* grid = new QGridLayout;
    const QStringList heads{QStringLiteral("DB (\u00b0C)"),
                            QStringLiteral("WB (\u00b0C)"),
                            QStringLiteral("RH (%)"),
                            QStringLiteral("Hours per Annum"),
                            QStringLiteral("Overall Saving (kWh)"),
                            QStringLiteral("Overall Saving (Cost)")};
    const QStringList names{QStringLiteral("txtBinDB"),     QStringLiteral("txtBinWB"),
                            QStringLiteral("txtBinRH"),     QStringLiteral("txtBinHours"),
                            QStringLiteral("txtBinEnergy"), QStringLiteral("txtBinMoney")};
    for (int column = 0; column < 6; ++column) {
        auto* head = new QLabel(heads.at(column));
        head->setAlignment(Qt::AlignCenter);
        grid->addWidget(head, 0, column + 1);
    }
    for (int bin = 1; bin <= 10; ++bin) {
        grid->addWidget(new QLabel(QStringLiteral("Bin %1").arg(bin)), bin, 0);
        for (int column = 0; column < 6; ++column) {
            QLineEdit* box = lockedBox(names.at(column) + QString::number(bin));
            m_bins.at(static_cast<size_t>(bin)).at(static_cast<size_t>(column)) = box;
            grid->addWidget(box, bin, column + 1);
        }
    }
    for (int column = 1; column <= 6; ++column) {
        grid->setColumnStretch(column, 1);
    }
    m_totalEnergy = lockedBox(QStringLiteral("txtTotalEnergy"));
    m_totalMoney = lockedBox(QStringLiteral("txtTotalMoney"));
    grid->addWidget(new QLabel(QStringLiteral("Totals")), 11, 4, Qt::AlignRight);
    grid->addWidget(m_totalEnergy, 11, 5);
    grid->addWidget(m_totalMoney, 11, 6);

    m_heatpipeCost = lockedBox(QStringLiteral("txtHeatpipeCost"));
    m_payback = lockedBox(QStringLiteral("txtPayback"));
    grid->addWidget(new QLabel(QStringLiteral("Heatpipe Cost")), 12, 5, Qt::AlignRight);
    grid->addWidget(m_heatpipeCost, 12, 6);
    grid->addWidget(new QLabel(QStringLiteral("Simple Payback (Months)")), 13, 5, Qt::AlignRight);
    grid->addWidget(m_payback, 13, 6);

    QPushButton* graphically = button(QStringLiteral("Graphically"), "cmdGraphically");
    QPushButton* printButton = button(QStringLiteral("Print"), "cmdPrint");
    QPushButton* close = button(QStringLiteral("Close"), "cmdClose");
    connect(graphically, &QPushButton::clicked, this, &frmBinPayback::showGraphically);
    connect(printButton, &QPushButton::clicked, this, &frmBinPayback::print);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(graphically);
    buttons->addWidget(printButton);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void frmBinPayback::fill()
{
    const BinState& bins = binState();
    for (size_t bin = 1; bin <= 10; ++bin) {
        auto& row = m_bins.at(bin);
        showBinWeather(bin, row.data());
        row[4]->setText(shortest(bins.energySaving_kWh.at(bin)));
        row[5]->setText(shortest(bins.moneySaving.at(bin)));
    }
    m_totalEnergy->setText(shortest(bins.totalEnergySaving_kWh));
    m_totalMoney->setText(shortest(bins.totalMoneySaving));
    m_heatpipeCost->setText(QString::number(costingState().exWorksPriceForeign));
    m_payback->setText(shortest(costingState().paybackPeriod_months));
}

void frmBinPayback::showGraphically()
{
    frmBinResultsGraph graph(this);
    graph.fill();
    graph.exec();
}

void frmBinPayback::print()
{
    if (!printImage(this)) {
        reportPrintFailure(this, QString(), QStringLiteral("The window can't be printed."), false);
    }
}

} // namespace vexa::binwindows
