#ifndef ANSISIZETABLE_H
#define ANSISIZETABLE_H

#include "kit/labellimits.h"

#include <array>
#include <cstddef>

// Recommended pipe marker sizes by pipe diameter, in points. The row index is the
// pipe diameter row chosen in the panel; row 0 is "Custom size", whose values are
// the smallest printable label and text.
class AnsiSizeTable
{
public:
    AnsiSizeTable() = delete;

    struct Row
    {
        double textHeight;
        double labelHeight; // across the pipe: what the user calls the label width
        double labelLength; // along the pipe
    };

    static constexpr int CustomSizeRow = 0;
    static constexpr int RowCount = 6;

    static constexpr std::array<Row, RowCount> Rows = {{
        {LabelLimits::LeastTextHeight, LabelLimits::LeastSide,
         LabelLimits::LeastSide}, // custom size
        {36.0, 72.0, 576.0},      // 3/4 to 1 1/4 in pipes
        {54.0, 72.0, 576.0},      // 1 1/2 to 2 in
        {90.0, 144.0, 864.0},     // 2 1/2 to 6 in
        {180.0, 216.0, 1728.0},   // 8 to 10 in
        {252.0, 288.0, 2304.0},   // over 10 in
    }};

    static bool isValidRow(int index) { return index >= 0 && index < RowCount; }
    // A row index from outside (a file, a signal) that the table does not hold is
    // taken as the custom size row.
    static int boundedRow(int index) { return isValidRow(index) ? index : CustomSizeRow; }
    static const Row& row(int index) { return Rows[static_cast<std::size_t>(boundedRow(index))]; }
};

#endif
