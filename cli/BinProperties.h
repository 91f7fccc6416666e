#pragma once

#include "PropertyTable.h"

#include "bindata/Bin.h"

namespace vexa::cli {

// Every property of Bin, in the order of its interface.
const PropertyTable<Bin>& binProperties();

} // namespace vexa::cli
