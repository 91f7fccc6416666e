#include "CostProperties.h"

namespace vexa::cli {

const PropertyTable<Cost>& costProperties()
{
    using C = Cost;
    // clang-format off
    static const PropertyTable<Cost> table = {
        {"CasingMaterial",            letEnum<C>(&C::setCasingMaterial),               {}},
        {"DrainpanType",              letEnum<C>(&C::setDrainpanType),                 {}},
        {"Sizes",                     {},                                              get(&C::Sizes)},
        {"OptEliminators",            letBool<C>(&C::setOptEliminators),               {}},
        {"Orienitation",              letEnum<C>(&C::setOrienitation),                 {}},
        {"OptStainlessSteelDrainpan", letBool<C>(&C::setOptStainlessSteelDrainpan),    {}},
        {"ExWorksPriceSterling",      {},                                              get(&C::ExWorksPriceSterling)},
        {"ApproxiamateWeight",        {},                                              get(&C::ApproxiamateWeight)},
        {"ExchangeRate",              letDouble<C>(&C::setExchangeRate),               {}},
        {"ExWorksPriceForeign",       {},                                              get(&C::ExWorksPriceForeign)},
        {"EnergyCost",                letDouble<C>(&C::setEnergyCost),                 {}},
        {"AnnualPrecoolSaving",       {},                                              get(&C::AnnualPrecoolSaving)},
        {"AnnualReheatSaving",        {},                                              get(&C::AnnualReheatSaving)},
        {"PaybackPeriod",             {},                                              get(&C::PaybackPeriod)},
        {"AnnualCostSaving",          {},                                              get(&C::AnnualCostSaving)},
        {"AnnualRunningHours",        letDouble<C>(&C::setAnnualRunningHours),         {}},
        {"HeatpipeStyle",             letEnum<C>(&C::setHeatpipeStyle),                {}},
        {"Margin",                    letInt16<C>(&C::setMargin),                      {}},
        {"AdditionalCost",            letDouble<C>(&C::setAdditionalCost),             {}},
    };
    // clang-format on
    return table;
}

} // namespace vexa::cli
