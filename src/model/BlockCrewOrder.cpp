#include "model/BlockCrewOrder.h"

#include <algorithm>

namespace tp {

namespace {

std::size_t tableIndexOf(const BlockVacationTables& tables, int year) {
    return static_cast<std::size_t>(&blockVacationTableOf(tables, year) - tables.data());
}

} // namespace

void resetBlockCrewOrder(BlockVacationTables& tables, int year) {
    const std::size_t index = tableIndexOf(tables, year);
    tables[index] = DefaultBlockVacationTables[index];
}

void rotateBlockCrewOrder(BlockVacationTables& tables, int year, int count) {
    const int periods = static_cast<int>(BlockVacationTable::value_type{}.size());
    const int shift = positiveMod(count, periods);
    for (auto& row : tables[tableIndexOf(tables, year)])
        std::rotate(row.begin(), row.begin() + shift, row.end());
}

} // namespace tp
