#pragma once

#include <QDialog>

#include <array>

class QLineEdit;

namespace vexa::binwindows {

// "Estimated Payback Based on Bin Data": the energy and money saved in each bin,
// the totals, the unit's price and the simple payback.
class frmBinPayback : public QDialog {
    Q_OBJECT
public:
    explicit frmBinPayback(QWidget* parent = nullptr);

    // Writes the bins, their savings, the totals, the price and the payback from
    // the bin record and the last costing.
    void fill();

private:
    void showGraphically();
    void print();

    std::array<std::array<QLineEdit*, 6>, 11> m_bins{}; // [bin][DB, WB, RH, hours, kWh, money]
    QLineEdit* m_totalEnergy = nullptr;
    QLineEdit* m_totalMoney = nullptr;
    QLineEdit* m_heatpipeCost = nullptr;
    QLineEdit* m_payback = nullptr;
};

} // namespace vexa::binwindows
