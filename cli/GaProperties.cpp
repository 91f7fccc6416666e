#include "GaProperties.h"

namespace vexa::cli {

const PropertyTable<Straight>& straightProperties()
{
    using S = Straight;
    // clang-format off
    static const PropertyTable<Straight> table = {
        {"Overall_Height",      letInt32<S>(&S::setOverall_Height),      {}},
        {"Overall_Width",       letInt32<S>(&S::setOverall_Width),       {}},
        {"Centre_Flange_Width", letInt16<S>(&S::setCentre_Flange_Width), {}},
        {"SupplyAir",           letInt16<S>(&S::setSupplyAir),           {}},
        {"ExtractAir",          letInt16<S>(&S::setExtractAir),          {}},
        {"FinnedLength",        letInt16<S>(&S::setFinnedLength),        {}},
        {"Orientation",         letEnum<S>(&S::setOrientation),          {}},
    };
    // clang-format on
    return table;
}

const PropertyTable<Horseshoe>& horseshoeProperties()
{
    using H = Horseshoe;
    // clang-format off
    static const PropertyTable<Horseshoe> table = {
        {"Internal_Depth",    letInt32<H>(&H::setInternal_Depth),    {}},
        {"Internal_Baffle",   letInt32<H>(&H::setInternal_Baffle),   {}},
        {"External_Baffle",   letInt32<H>(&H::setExternal_Baffle),   {}},
        {"Overall_Height",    letInt32<H>(&H::setOverall_Height),    {}},
        {"AirFlowDirection",  letText<H>(&H::setAirFlowDirection),   {}},
        {"Overall_Width",     letInt32<H>(&H::setOverall_Width),     {}},
        {"Project_Ref",       letText<H>(&H::setProject_Ref),        {}},
        {"Customer_Ref",      letText<H>(&H::setCustomer_Ref),       {}},
        {"NumberOfRows",      letInt16<H>(&H::setNumberOfRows),      {}},
        {"TubeDiameter",      letText<H>(&H::setTubeDiameter),       {}},
        {"NumberOfTubesHigh", letInt32<H>(&H::setNumberOfTubesHigh), {}},
    };
    // clang-format on
    return table;
}

} // namespace vexa::cli
