#pragma once

#include "JsonValues.h"

#include <iosfwd>

namespace vexa::cli {

// vexa chart: runs one job's calculation, plots its four air states on the
// psychrometric chart as the main window's "Psych" does and prints the path of
// the workbook. Returns the exit status.
int runChart(const Json& job, std::ostream& out, std::ostream& err);

} // namespace vexa::cli
