#pragma once

#include <QDialog>

#include <array>

class QChartView;
class QLabel;

namespace vexa::binwindows {

// " Graphical Representation of Savings by Bin": the energy and money saved in
// each bin as a chart, with a summary line per bin.
class frmBinResultsGraph : public QDialog {
    Q_OBJECT
public:
    explicit frmBinResultsGraph(QWidget* parent = nullptr);

    // Builds chartBinResults and the "Bin Summary" lines from the bin record.
    void fill();

private:
    void print();

    QChartView* m_chart = nullptr;
    std::array<QLabel*, 11> m_summary{}; // bins 1 to 10
};

} // namespace vexa::binwindows
