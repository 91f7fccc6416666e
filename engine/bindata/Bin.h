#pragma once

#include "design/Enumerations.h"

#include <functional>

namespace vexa {

class Cost;

// The weather-bin savings of a Cost: choose the city, call UseBinData after the
// costing, read the four results (0 before the first UseBinData). Obtained
// through Cost::Bin().
class Bin {
public:
    Bin(const Bin&) = delete;
    Bin& operator=(const Bin&) = delete;

    // Selects the city's name, weather table and saving caption and loads the
    // table; a value outside Country records the name "n/a" and the caption
    // "Cost Saving (£)" and reloads the table chosen before.
    void setCity(Country city);
    // Works out the bin savings and payback (the payback also becomes the Cost's
    // PaybackPeriod), then shows the bin windows when a windowing program has set
    // a presenter. Throws CalculationError when no design has been calculated.
    void UseBinData();
    double BinAnnualPreCoolSaving() const; // currency units per year
    double BinAnnualReHeatSaving() const;  // currency units per year
    double BinPaybackPeriod() const;       // months
    double BinAnnualCostSaving() const;    // currency units per year

private:
    friend class Cost;
    Bin() = default;

    double m_annualPreCoolSaving = 0;
    double m_annualReHeatSaving = 0;
    double m_paybackPeriod_months = 0;
    double m_annualCostSaving = 0;
};

// Shows the bin windows modally over the bin record of the last UseBinData and
// returns when they are closed. A windowing program sets one; headless programs
// leave it empty, and UseBinData then only calculates.
using BinWindowsPresenter = std::function<void()>;

void setBinWindowsPresenter(BinWindowsPresenter presenter);
const BinWindowsPresenter& binWindowsPresenter();

} // namespace vexa
