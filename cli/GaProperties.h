#pragma once

#include "PropertyTable.h"

#include "ga/Horseshoe.h"
#include "ga/Straight.h"

namespace vexa::cli {

// Every property of the drawing objects, in the order of their interfaces (all
// write-only; the operations that make the drawing are not properties here).
const PropertyTable<Straight>& straightProperties();
const PropertyTable<Horseshoe>& horseshoeProperties();

} // namespace vexa::cli
