#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vexa::binwindows {

// "Select Bin Data": the weather bins of the chosen city, from which the user goes
// on to the payback by bin and the bin chart.
class frmSelectBinData : public QDialog {
    Q_OBJECT
public:
    explicit frmSelectBinData(QWidget* parent = nullptr);

    // Writes the city and its ten bins from the bin record.
    void fill();

private:
    void useSelectedBinData();
    void showGraphically();
    void print();

    QLabel* m_city = nullptr;
    std::array<std::array<QLineEdit*, 4>, 11> m_bins{}; // [bin][DB, WB, RH, hours], bins 1 to 10
};

} // namespace vexa::binwindows
