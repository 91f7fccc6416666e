#pragma once

#include "JsonValues.h"

#include <iosfwd>

namespace vexa::cli {

// vexa ga: runs one job's calculation and costing, makes the general arrangement
// drawing of its "Straight" or "Horseshoe" part and prints the path of the
// document. Returns the exit status: 2 for a problem with the input, 1 when the
// engine refuses a value or no document could be made.
int runGa(const Json& job, std::ostream& out, std::ostream& err);

} // namespace vexa::cli
