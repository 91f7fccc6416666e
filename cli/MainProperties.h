#pragma once

#include "PropertyTable.h"

#include "design/Main.h"

namespace vexa::cli {

// Every property of Main, in the order of its interface.
const PropertyTable<Main>& mainProperties();

} // namespace vexa::cli
