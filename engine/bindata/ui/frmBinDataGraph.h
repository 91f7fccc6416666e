#pragma once

#include <QDialog>

class QChartView;

namespace vexa::binwindows {

// " Graphical Representation of Bin Data": the city's bins as a chart, hours as
// bars and the temperatures and humidity as lines on a second axis.
class frmBinDataGraph : public QDialog {
    Q_OBJECT
public:
    explicit frmBinDataGraph(QWidget* parent = nullptr);

    // Builds chartBinData from the bin record.
    void fill();

private:
    void print();

    QChartView* m_chart = nullptr;
};

} // namespace vexa::binwindows
