#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vexa::ga {

// A border line: left as the table gives it, removed, or a single thin line.
enum class Border { Inherit, None, Single };
enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Centre, Bottom };

struct CellBorders {
    Border top = Border::Inherit;
    Border left = Border::Inherit;
    Border bottom = Border::Inherit;
    Border right = Border::Inherit;
};

struct TableCell {
    std::string text;
    bool bold = false;
    HAlign align = HAlign::Left;
    VAlign verticalAlign = VAlign::Top;
    CellBorders borders;          // the cell's own borders, over the table's
    bool paragraphBorder = false; // a single line round the cell's paragraph
};

// A table to be put at a bookmark: its cells, layout and lines. Rows and columns
// are counted from 1, as the word processor counts them; a position outside the
// table throws std::out_of_range.
class WordTable {
public:
    // Throws std::invalid_argument when rows or columns is below 1.
    WordTable(int rows, int columns);

    int rows() const { return static_cast<int>(m_cells.size()); }
    int columns() const { return m_columns; }

    TableCell& cell(int row, int column);
    const TableCell& cell(int row, int column) const;

    // Adds an empty row at the end; returns its number.
    int addRow();

    // Least height of a row in points; none leaves the height to the text.
    void setRowHeight(int row, double points);
    std::optional<double> rowHeight(int row) const;

    // Share of the text width the table takes, in percent (default 100).
    void setWidthPercent(double percent) { m_widthPercent = percent; }
    double widthPercent() const { return m_widthPercent; }

    // Share of the table's width each column takes, in percent; empty means equal
    // columns. Throws std::invalid_argument unless one value per column is given.
    void setColumnWidthsPercent(std::vector<double> percents);
    const std::vector<double>& columnWidthsPercent() const { return m_columnWidths; }

    // Font size of every cell in points; none keeps the document's size.
    void setFontSize(double points) { m_fontSize_pt = points; }
    std::optional<double> fontSize() const { return m_fontSize_pt; }

    void setOutsideBorder(Border border) { m_outsideBorder = border; }
    void setInsideBorder(Border border) { m_insideBorder = border; }
    Border outsideBorder() const { return m_outsideBorder; }
    Border insideBorder() const { return m_insideBorder; }

    // Shorthands over every cell.
    void setAlignment(HAlign align);
    void setVerticalAlignment(VAlign align);

private:
    std::vector<std::vector<TableCell>> m_cells;
    std::vector<std::optional<double>> m_rowHeights;
    int m_columns;
    double m_widthPercent = 100.0;
    std::vector<double> m_columnWidths;
    std::optional<double> m_fontSize_pt;
    Border m_outsideBorder = Border::Single;
    Border m_insideBorder = Border::Single;
};

} // namespace vexa::ga
