#include "bindata/ui/frmBinDataGraph.h"

#include "bindata/BinState.h"
#include "bindata/ui/BinText.h"
#include "bindata/ui/BinWindowParts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <QValueAxis>
#include <algorithm>

namespace vexa::binwindows {

namespace {

QStringList binNames()
{
    QStringList names;
    for (int bin = 1; bin <= 10; ++bin) {
        names << QStringLiteral("Bin %1").arg(bin);
    }
    return names;
}

// A line over the ten bins, drawn at the middle of each bin's bar.
QLineSeries* binLine(const QString& name, const std::array<float, 11>& values)
{
    auto* line = new QLineSeries;
    line->setName(name);
    line->setPointsVisible(true);
    for (size_t bin = 1; bin <= 10; ++bin) {
        line->append(static_cast<double>(bin - 1), chartValue(values.at(bin)));
    }
    return line;
}

} // namespace

frmBinDataGraph::frmBinDataGraph(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmBinDataGraph"));
    prepareWindow(this, QStringLiteral(" Graphical Representation of Bin Data"), true);
    resize(820, 560);

    m_chart = new QChartView;
    m_chart->setObjectName(QStringLiteral("chartBinData"));
    m_chart->setRenderHint(QPainter::Antialiasing);

    QPushButton* close = button(QStringLiteral("Close"), "cmdClose");
    QPushButton* printButton = button(QStringLiteral("Print"), "cmdPrint");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(printButton, &QPushButton::clicked, this, &frmBinDataGraph::print);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(printButton);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(fileMenu(
        this, [this] { print(); }, [this] { accept(); }));
    layout->addWidget(m_chart, 1);
    layout->addLayout(buttons);
}

void frmBinDataGraph::fill()
{
    const BinState& bins = binState();
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Bin Data - ") + QString::fromStdString(bins.cityName));

    auto* hours = new QBarSet(QStringLiteral("Hours"));
    for (size_t bin = 1; bin <= 10; ++bin) {
        *hours << chartValue(bins.hours.at(bin));
    }
    auto* bars = new QBarSeries;
    bars->append(hours);
    chart->addSeries(bars);

    QLineSeries* dryBulb = binLine(QStringLiteral("DB (\u00b0C)"), bins.dryBulb_C);
    QLineSeries* wetBulb = binLine(QStringLiteral("WB (\u00b0C)"), bins.wetBulb_C);
    QLineSeries* humidity = binLine(QStringLiteral("RH (%)"), bins.relativeHumidity_pct);
    for (QLineSeries* line : {dryBulb, wetBulb, humidity}) {
        chart->addSeries(line);
    }

    auto* binAxis = new QBarCategoryAxis;
    binAxis->append(binNames());
    chart->addAxis(binAxis, Qt::AlignBottom);
    auto* hoursAxis = new QValueAxis;
    hoursAxis->setTitleText(QStringLiteral("Hours per year"));
    hoursAxis->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(hoursAxis, Qt::AlignLeft);
    auto* stateAxis = new QValueAxis;
    stateAxis->setTitleText(QStringLiteral("Temperature (\u00b0C) / relative humidity (%)"));
    stateAxis->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(stateAxis, Qt::AlignRight);

    bars->attachAxis(binAxis);
    bars->attachAxis(hoursAxis);
    for (QLineSeries* line : {dryBulb, wetBulb, humidity}) {
        line->attachAxis(binAxis);
        line->attachAxis(stateAxis);
    }
    // Each axis spans all of its series (from zero up, or down to the coldest bin).
    double lowest = 0;
    double highest = 0;
    for (QLineSeries* line : {dryBulb, wetBulb, humidity}) {
        for (const QPointF& point : line->points()) {
            lowest = std::min(lowest, point.y());
            highest = std::max(highest, point.y());
        }
    }
    stateAxis->setRange(lowest, highest);
    stateAxis->applyNiceNumbers();
    hoursAxis->setMin(0);
    hoursAxis->applyNiceNumbers();
    chart->legend()->setAlignment(Qt::AlignBottom);
    // The view gives up its previous chart without deleting it.
    QChart* previous = m_chart->chart();
    m_chart->setChart(chart);
    delete previous;
}

void frmBinDataGraph::print()
{
    if (!printImage(this)) {
        reportPrintFailure(this, QStringLiteral("Error"), QStringLiteral("The form can't be printed."), true);
    }
}

} // namespace vexa::binwindows
