#include "ga/WordTable.h"

#include <stdexcept>
#include <string>

namespace vexa::ga {

WordTable::WordTable(int rows, int columns) : m_columns(columns)
{
    if (rows < 1 || columns < 1) {
        throw std::invalid_argument("A table needs at least one row and one column.");
    }
    m_cells.assign(static_cast<size_t>(rows), std::vector<TableCell>(static_cast<size_t>(columns)));
    m_rowHeights.assign(static_cast<size_t>(rows), std::nullopt);
}

TableCell& WordTable::cell(int row, int column)
{
    return const_cast<TableCell&>(static_cast<const WordTable&>(*this).cell(row, column));
}

const TableCell& WordTable::cell(int row, int column) const
{
    if (row < 1 || row > rows() || column < 1 || column > m_columns) {
        throw std::out_of_range("Table cell (" + std::to_string(row) + ", " + std::to_string(column) +
                                ") is outside a table of " + std::to_string(rows()) + " rows and " +
                                std::to_string(m_columns) + " columns.");
    }
    return m_cells[static_cast<size_t>(row - 1)][static_cast<size_t>(column - 1)];
}

int WordTable::addRow()
{
    m_cells.emplace_back(static_cast<size_t>(m_columns));
    m_rowHeights.emplace_back(std::nullopt);
    return rows();
}

void WordTable::setRowHeight(int row, double points)
{
    cell(row, 1); // checks the row
    m_rowHeights[static_cast<size_t>(row - 1)] = points;
}

std::optional<double> WordTable::rowHeight(int row) const
{
    cell(row, 1);
    return m_rowHeights[static_cast<size_t>(row - 1)];
}

void WordTable::setColumnWidthsPercent(std::vector<double> percents)
{
    if (!percents.empty() && static_cast<int>(percents.size()) != m_columns) {
        throw std::invalid_argument("A table of " + std::to_string(m_columns) + " columns needs " +
                                    std::to_string(m_columns) + " column widths.");
    }
    m_columnWidths = std::move(percents);
}

void WordTable::setAlignment(HAlign align)
{
    for (auto& row : m_cells) {
        for (auto& c : row) {
            c.align = align;
        }
    }
}

void WordTable::setVerticalAlignment(VAlign align)
{
    for (auto& row : m_cells) {
        for (auto& c : row) {
            c.verticalAlign = align;
        }
    }
}

} // namespace vexa::ga
