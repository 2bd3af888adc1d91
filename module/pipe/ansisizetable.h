#ifndef ANSISIZETABLE_H
#define ANSISIZETABLE_H

#include "kit/labellimits.h"

#include <array>
#include <cstddef>

// Recommended pipe marker sizes by pipe diameter, in points, with the diameters
// each row is for. The row index is the pipe diameter row chosen in the panel;
// row 0 is "Custom size", whose values are the smallest printable label and text
// and which stands for no diameter.
class AnsiSizeTable
{
public:
    AnsiSizeTable() = delete;

    // The pipe diameters of a row, covering included, as the panel lists them:
    // inches and whole millimetres. A high bound of 0 leaves the range open above.
    struct Diameters
    {
        double lowInches;
        double highInches;
        int lowMillimeters;
        int highMillimeters;

        constexpr bool isOpenAbove() const { return highMillimeters == 0; }
    };

    struct Row
    {
        double textHeight;
        double labelHeight; // across the pipe: what the user calls the label width
        double labelLength; // along the pipe
        Diameters diameters;
    };

    static constexpr int CustomSizeRow = 0;
    static constexpr int RowCount = 6;

    static constexpr std::array<Row, RowCount> Rows = {{
        {LabelLimits::LeastTextHeight,
         LabelLimits::LeastSide,
         LabelLimits::LeastSide,
         {0.0, 0.0, 0, 0}}, // custom size
        {36.0, 72.0, 576.0, {0.75, 1.25, 19, 32}},
        {54.0, 72.0, 576.0, {1.50, 2.00, 38, 51}},
        {90.0, 144.0, 864.0, {2.50, 6.00, 64, 152}},
        {180.0, 216.0, 1728.0, {8.00, 10.00, 203, 254}},
        {252.0, 288.0, 2304.0, {10.00, 0.0, 254, 0}},
    }};

    static bool isValidRow(int index) { return index >= 0 && index < RowCount; }
    // A row index from outside (a file, a signal) that the table does not hold is
    // taken as the custom size row.
    static int boundedRow(int index) { return isValidRow(index) ? index : CustomSizeRow; }
    static const Row& row(int index) { return Rows[static_cast<std::size_t>(boundedRow(index))]; }
};

#endif
