#pragma once

#include "lindle/emit/ScannerEmitter.h"
#include "lindle/tables/ScannerTables.h"

namespace lindle {

// Hands the tables to the emitter in the order the generated source holds
// them: yymatch, the transitions (fast or compact), yystate, yybackup.
void emitTables(ScannerEmitter& emitter, const ScannerTables& tables);

} // namespace lindle
