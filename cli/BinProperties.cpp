#include "BinProperties.h"

namespace vexa::cli {

const PropertyTable<Bin>& binProperties()
{
    using B = Bin;
    // clang-format off
    static const PropertyTable<Bin> table = {
        {"City",                   letEnum<B>(&B::setCity), {}},
        {"BinAnnualPreCoolSaving", {},                      get(&B::BinAnnualPreCoolSaving)},
        {"BinAnnualReHeatSaving",  {},                      get(&B::BinAnnualReHeatSaving)},
        {"BinPaybackPeriod",       {},                      get(&B::BinPaybackPeriod)},
        {"BinAnnualCostSaving",    {},                      get(&B::BinAnnualCostSaving)},
    };
    // clang-format on
    return table;
}

} // namespace vexa::cli
