// The XML of a table put at a bookmark. Element order inside the property lists
// follows the order the document format prescribes; a word processor refuses the
// document otherwise.

#include "ga/WordDocumentImpl.h"

#include <cmath>
#include <numeric>
#include <string>

namespace vexa::ga {

namespace {

using pugi::xml_node;

// Widths in percent are written in fiftieths of a percent; lengths in twentieths
// of a point (twips); font sizes in half points; lines in eighths of a point.
constexpr double kFiftiethsPerPercent = 50.0;
constexpr double kTwipsPerPoint = 20.0;
constexpr double kHalfPointsPerPoint = 2.0;
constexpr int kSingleLine_eighthPoints = 4;

std::string whole(double value)
{
    return std::to_string(static_cast<long long>(std::llround(value)));
}

void writeBorder(xml_node parent, const char* side, Border border)
{
    if (border == Border::Inherit) {
        return;
    }
    xml_node line = parent.append_child(side);
    line.append_attribute("w:val") = border == Border::Single ? "single" : "nil";
    if (border == Border::Single) {
        line.append_attribute("w:sz") = kSingleLine_eighthPoints;
        line.append_attribute("w:space") = 0;
        line.append_attribute("w:color") = "auto";
    }
}

const char* alignValue(HAlign align)
{
    switch (align) {
    case HAlign::Centre:
        return "center";
    case HAlign::Right:
        return "right";
    case HAlign::Left:
        break;
    }
    return "left";
}

const char* verticalValue(VAlign align)
{
    switch (align) {
    case VAlign::Centre:
        return "center";
    case VAlign::Bottom:
        return "bottom";
    case VAlign::Top:
        break;
    }
    return "top";
}

std::vector<double> columnPercents(const WordTable& table)
{
    if (!table.columnWidthsPercent().empty()) {
        return table.columnWidthsPercent();
    }
    return std::vector<double>(static_cast<size_t>(table.columns()), 100.0 / table.columns());
}

void writeTableProperties(xml_node tbl, const WordTable& table)
{
    xml_node props = tbl.append_child("w:tblPr");
    xml_node width = props.append_child("w:tblW");
    width.append_attribute("w:w") = whole(table.widthPercent() * kFiftiethsPerPercent).c_str();
    width.append_attribute("w:type") = "pct";
    xml_node borders = props.append_child("w:tblBorders");
    for (const char* side : {"w:top", "w:left", "w:bottom", "w:right"}) {
        writeBorder(borders, side, table.outsideBorder());
    }
    writeBorder(borders, "w:insideH", table.insideBorder());
    writeBorder(borders, "w:insideV", table.insideBorder());
    props.append_child("w:tblLayout").append_attribute("w:type") = "fixed";
    props.append_child("w:tblLook").append_attribute("w:val") = "0000";
}

void writeCell(xml_node row, const TableCell& cell, double percent, const WordTable& table)
{
    xml_node tc = row.append_child("w:tc");
    xml_node props = tc.append_child("w:tcPr");
    xml_node width = props.append_child("w:tcW");
    width.append_attribute("w:w") =
        whole(percent * table.widthPercent() / 100.0 * kFiftiethsPerPercent).c_str();
    width.append_attribute("w:type") = "pct";
    const CellBorders& b = cell.borders;
    if (b.top != Border::Inherit || b.left != Border::Inherit || b.bottom != Border::Inherit ||
        b.right != Border::Inherit) {
        xml_node borders = props.append_child("w:tcBorders");
        writeBorder(borders, "w:top", b.top);
        writeBorder(borders, "w:left", b.left);
        writeBorder(borders, "w:bottom", b.bottom);
        writeBorder(borders, "w:right", b.right);
    }
    props.append_child("w:vAlign").append_attribute("w:val") = verticalValue(cell.verticalAlign);

    xml_node paragraph = tc.append_child("w:p");
    xml_node pPr = paragraph.append_child("w:pPr");
    if (cell.paragraphBorder) {
        xml_node borders = pPr.append_child("w:pBdr");
        for (const char* side : {"w:top", "w:left", "w:bottom", "w:right"}) {
            writeBorder(borders, side, Border::Single);
        }
    }
    xml_node spacing = pPr.append_child("w:spacing");
    spacing.append_attribute("w:before") = 0;
    spacing.append_attribute("w:after") = 0;
    pPr.append_child("w:jc").append_attribute("w:val") = alignValue(cell.align);
    if (cell.text.empty()) {
        return;
    }
    xml_node run = paragraph.append_child("w:r");
    if (cell.bold || table.fontSize()) {
        xml_node rPr = run.append_child("w:rPr");
        if (cell.bold) {
            rPr.append_child("w:b");
            rPr.append_child("w:bCs");
        }
        if (table.fontSize()) {
            const std::string halfPoints = whole(*table.fontSize() * kHalfPointsPerPoint);
            rPr.append_child("w:sz").append_attribute("w:val") = halfPoints.c_str();
            rPr.append_child("w:szCs").append_attribute("w:val") = halfPoints.c_str();
        }
    }
    xml_node t = run.append_child("w:t");
    t.append_attribute("xml:space") = "preserve";
    t.text() = cell.text.c_str();
}

} // namespace

void insertTableXml(xml_node parent, xml_node before, const WordTable& table, int textWidth_twips)
{
    xml_node tbl = parent.insert_child_before("w:tbl", before);
    writeTableProperties(tbl, table);
    const std::vector<double> percents = columnPercents(table);
    xml_node grid = tbl.append_child("w:tblGrid");
    for (double percent : percents) {
        grid.append_child("w:gridCol").append_attribute("w:w") =
            whole(textWidth_twips * table.widthPercent() / 100.0 * percent / 100.0).c_str();
    }
    for (int r = 1; r <= table.rows(); ++r) {
        xml_node row = tbl.append_child("w:tr");
        if (const auto height = table.rowHeight(r)) {
            xml_node trHeight = row.append_child("w:trPr").append_child("w:trHeight");
            trHeight.append_attribute("w:val") = whole(*height * kTwipsPerPoint).c_str();
            trHeight.append_attribute("w:hRule") = "atLeast";
        }
        for (int c = 1; c <= table.columns(); ++c) {
            writeCell(row, table.cell(r, c), percents[static_cast<size_t>(c - 1)], table);
        }
    }
}

} // namespace vexa::ga
