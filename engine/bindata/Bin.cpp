#include "bindata/Bin.h"

#include "bindata/BinState.h"
#include "bindata/BinTables.h"
#include "bindata/CalculateBinSavings.h"
#include "bindata/Cities.h"

#include <optional>
#include <utility>

namespace vexa {

namespace {
BinWindowsPresenter g_presenter;
}

void setBinWindowsPresenter(BinWindowsPresenter presenter)
{
    g_presenter = std::move(presenter);
}

const BinWindowsPresenter& binWindowsPresenter()
{
    return g_presenter;
}

void Bin::setCity(Country city)
{
    BinState& bins = binState();
    if (const std::optional<BinData::City> known = BinData::cityOf(city)) {
        bins.cityName = known->name;
        bins.savingCaption = known->savingCaption;
        bins.tableIndex = known->table;
    } else {
        bins.cityName = "n/a";
        bins.savingCaption = "Cost Saving (£)";
    }
    BinData::LoadBinTable(bins.tableIndex);
}

void Bin::UseBinData()
{
    const BinData::BinSavings savings = BinData::CalculateBinSavings();
    m_annualPreCoolSaving = savings.annualPreCoolSaving;
    m_annualReHeatSaving = savings.annualReHeatSaving;
    m_paybackPeriod_months = savings.paybackPeriod_months;
    m_annualCostSaving = savings.annualCostSaving;
    if (g_presenter) {
        g_presenter();
    }
}

double Bin::BinAnnualPreCoolSaving() const
{
    return m_annualPreCoolSaving;
}
double Bin::BinAnnualReHeatSaving() const
{
    return m_annualReHeatSaving;
}
double Bin::BinPaybackPeriod() const
{
    return m_paybackPeriod_months;
}
double Bin::BinAnnualCostSaving() const
{
    return m_annualCostSaving;
}

} // namespace vexa
