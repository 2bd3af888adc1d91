#ifndef IIARSIZETABLE_H
#define IIARSIZETABLE_H

#include <array>
#include <cstddef>

// Recommended ammonia pipe marker sizes by pipe diameter, in points, with the
// diameters each row is for. The row index is the pipe diameter row chosen in the
// panel. A component marker has no row of its own: it is judged by the row chosen.
class IiarSizeTable
{
public:
    IiarSizeTable() = delete;

    // The pipe diameters of a row, covering included, as the panel lists them:
    // inches and whole millimetres. A bound of 0 leaves the range open on that side.
    struct Diameters
    {
        double lowInches;
        double highInches;
        int lowMillimeters;
        int highMillimeters;

        constexpr bool isOpenBelow() const { return lowMillimeters == 0; }
        constexpr bool isOpenAbove() const { return highMillimeters == 0; }
    };

    struct Row
    {
        double textHeight;
        double labelHeight; // across the pipe: what the user calls the label width
        double labelLength; // along the pipe
        double partWidth;   // each state and pressure part
        Diameters diameters;
    };

    static constexpr int RowCount = 5;

    static constexpr std::array<Row, RowCount> Rows = {{
        {36.0, 72.0, 576.0, 36.0, {0.0, 1.25, 0, 32}},
        {90.0, 144.0, 864.0, 54.0, {1.25, 2.00, 32, 51}},
        {144.0, 216.0, 1728.0, 72.0, {2.00, 7.00, 51, 178}},
        {180.0, 288.0, 2304.0, 108.0, {7.00, 10.00, 178, 254}},
        {252.0, 360.0, 2304.0, 144.0, {10.00, 0.0, 254, 0}},
    }};

    // A component marker's sizes when the module starts or a label is new.
    struct ComponentSizes
    {
        double length;
        double height;
        double textHeight;
        double partWidth;
    };
    static constexpr ComponentSizes NewComponent{2880.0, 288.0, 180.0, 180.0};

    static bool isValidRow(int index) { return index >= 0 && index < RowCount; }
    // A row index from outside (a file, a signal) that the table does not hold is
    // taken as row 0.
    static int boundedRow(int index) { return isValidRow(index) ? index : 0; }
    static const Row& row(int index) { return Rows[static_cast<std::size_t>(boundedRow(index))]; }
};

#endif
