#pragma once

#include "PropertyTable.h"

#include "costing/Cost.h"

namespace vexa::cli {

// Every property of Cost, in the order of its interface (the objects it hands out
// are not properties here).
const PropertyTable<Cost>& costProperties();

} // namespace vexa::cli
