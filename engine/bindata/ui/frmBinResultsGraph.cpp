#include "bindata/ui/frmBinResultsGraph.h"

#include "bindata/BinState.h"
#include "bindata/ui/BinText.h"
#include "bindata/ui/BinWindowParts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

namespace vexa::binwindows {

frmBinResultsGraph::frmBinResultsGraph(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmBinResultsGraph"));
    prepareWindow(this, QStringLiteral(" Graphical Representation of Savings by Bin"), true);
    resize(860, 680);

    m_chart = new QChartView;
    m_chart->setObjectName(QStringLiteral("chartBinResults"));
    m_chart->setRenderHint(QPainter::Antialiasing);

    auto* summary = new QGroupBox(QStringLiteral("Bin Summary"));
    summary->setObjectName(QStringLiteral("fraBinSummary"));
    auto* columns = new QGridLayout(summary);
    for (int bin = 1; bin <= 10; ++bin) {
        auto* label = new QLabel;
        label->setObjectName(QStringLiteral("lblBin%1").arg(bin));
        QFont small = label->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        label->setFont(small);
        m_summary.at(static_cast<size_t>(bin)) = label;
        columns->addWidget(label, (bin - 1) % 5, (bin - 1) / 5);
    }

    QPushButton* printButton = button(QStringLiteral("Print"), "cmdPrint");
    QPushButton* close = button(QStringLiteral("Close"), "cmdClose");
    connect(printButton, &QPushButton::clicked, this, &frmBinResultsGraph::print);
    connect(close, &QPushButton::clicked, this, [this] {
        hide();
        accept();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printButton);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(fileMenu(
        this, [this] { print(); }, [this] { accept(); }));
    layout->addWidget(m_chart, 1);
    layout->addWidget(summary);
    layout->addLayout(buttons);
}

void frmBinResultsGraph::fill()
{
    const BinState& bins = binState();
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Energy and Cost Savings by Bin - ") +
                    QString::fromStdString(bins.cityName));

    auto* energy = new QBarSet(QStringLiteral("Energy Saving (kWh)"));
    auto* money = new QLineSeries;
    money->setName(QString::fromStdString(bins.savingCaption));
    money->setPointsVisible(true);
    QStringList binNames;
    for (size_t bin = 1; bin <= 10; ++bin) {
        *energy << shortest(bins.energySaving_kWh.at(bin)).toDouble();
        money->append(static_cast<double>(bin - 1), shortest(bins.moneySaving.at(bin)).toDouble());
        binNames << QStringLiteral("Bin %1").arg(bin);
        m_summary.at(bin)->setText(binSummaryLine(static_cast<int>(bin)));
    }
    auto* bars = new QBarSeries;
    bars->append(energy);
    chart->addSeries(bars);
    chart->addSeries(money);

    auto* binAxis = new QBarCategoryAxis;
    binAxis->append(binNames);
    chart->addAxis(binAxis, Qt::AlignBottom);
    auto* energyAxis = new QValueAxis;
    energyAxis->setTitleText(QStringLiteral("Energy saving (kWh per year)"));
    energyAxis->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(energyAxis, Qt::AlignLeft);
    auto* moneyAxis = new QValueAxis;
    moneyAxis->setTitleText(QString::fromStdString(bins.savingCaption) + QStringLiteral(" per year"));
    moneyAxis->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(moneyAxis, Qt::AlignRight);
    bars->attachAxis(binAxis);
    bars->attachAxis(energyAxis);
    money->attachAxis(binAxis);
    money->attachAxis(moneyAxis);
    // Both axes start at zero, so a bin that saves nothing sits on the base line.
    energyAxis->setMin(0);
    moneyAxis->setMin(0);
    energyAxis->applyNiceNumbers();
    moneyAxis->applyNiceNumbers();
    chart->legend()->setAlignment(Qt::AlignBottom);
    // The view gives up its previous chart without deleting it.
    QChart* previous = m_chart->chart();
    m_chart->setChart(chart);
    delete previous;
}

void frmBinResultsGraph::print()
{
    if (!printImage(this)) {
        reportPrintFailure(this, QString(), QStringLiteral("The form can't be printed."), false);
    }
}

} // namespace vexa::binwindows
