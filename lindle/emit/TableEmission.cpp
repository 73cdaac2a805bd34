#include "lindle/emit/TableEmission.h"

namespace lindle {

void emitTables(ScannerEmitter& emitter, const ScannerTables& tables)
{
    using Table = ScannerEmitter::Table;
    emitter.beginTables();
    emitter.tableHead(Table::Match, 0);
    for (int value : tables.match)
        emitter.tableRow(Table::Match, value, 0, 0);
    emitter.tableEnd(Table::Match);
    if (tables.compact) {
        emitter.tableHead(Table::CompactTransition, 0);
        for (const auto& [first, last, next] : tables.compactTransition)
            emitter.tableRow(Table::CompactTransition, first, last, next);
        emitter.tableEnd(Table::CompactTransition);
    } else {
        emitter.tableHead(Table::Transition, static_cast<int>(tables.transition.size()));
        for (const auto& [next, check] : tables.transition)
            emitter.tableRow(Table::Transition, next, check, 0);
        emitter.tableEnd(Table::Transition);
    }
    emitter.tableHead(Table::State, 0);
    for (const auto& [fallback, base, match] : tables.state)
        emitter.tableRow(Table::State, fallback, base, match);
    emitter.tableEnd(Table::State);
    emitter.tableHead(Table::Backup, 0);
    for (bool backup : tables.backup)
        emitter.tableRow(Table::Backup, backup ? 1 : 0, 0, 0);
    emitter.tableEnd(Table::Backup);
    emitter.endTables();
}

} // namespace lindle
