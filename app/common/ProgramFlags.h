#pragma once

namespace vexa::app {

// The flags that cross windows for the whole run.
struct ProgramFlags {
    // Set by the quote manager while a quotation item is made; the costing window
    // then offers "Save " instead of "Print".
    bool QuoteMode = false;
    bool AddingItem = false;
    bool EditingItem = false;
    // Set by a successful costing "Cal"; cleared by the costing window's "Close".
    bool CostingDone = false;
};

ProgramFlags& programFlags();

} // namespace vexa::app
