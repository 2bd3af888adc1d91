#ifndef ARROWWRAPSIZETABLE_H
#define ARROWWRAPSIZETABLE_H

#include <array>
#include <cstddef>

// Standard arrow wrap sizes by pipe diameter, in points. The row index is the pipe
// diameter row chosen in the panel.
class ArrowWrapSizeTable
{
public:
    ArrowWrapSizeTable() = delete;

    struct Row
    {
        double diameterInches; // covering included, as the panel lists it
        double labelHeight;    // along the pipe: what the user calls the wrap width
        double labelLength;    // around the pipe
        int arrowCount;
        double arrowSpacing;
        double arrowLength;
    };

    static constexpr int RowCount = 9;

    static constexpr std::array<Row, RowCount> Rows = {{
        {0.75, 72.0, 170.64, 2, 33.84, 45.0},
        {1.25, 72.0, 284.4, 3, 38.16, 45.0},
        {1.50, 72.0, 342.0, 4, 34.56, 44.64},
        {2.00, 72.0, 455.76, 6, 30.24, 44.64},
        {2.50, 144.0, 569.52, 7, 32.4, 90.0},
        {6.00, 144.0, 1366.56, 18, 30.24, 90.0},
        {7.00, 216.0, 1594.8, 22, 28.8, 135.0},
        {8.00, 216.0, 1822.32, 25, 28.8, 135.36},
        {10.00, 216.0, 2278.08, 31, 29.52, 135.36},
    }};

    // The arrow count field takes two digits; a wrap never has more arrows, nor fewer
    // than one (the first arrow is the one every other is copied from).
    static constexpr int LeastArrowCount = 1;
    static constexpr int MostArrowCount = 99;

    static bool isValidRow(int index) { return index >= 0 && index < RowCount; }
    // A row index from outside (a file, a signal) that the table does not hold is
    // taken as row 0.
    static int boundedRow(int index) { return isValidRow(index) ? index : 0; }
    static const Row& row(int index) { return Rows[static_cast<std::size_t>(boundedRow(index))]; }
    static int boundedArrowCount(int count)
    {
        return count < LeastArrowCount ? LeastArrowCount
                                       : (count > MostArrowCount ? MostArrowCount : count);
    }
};

#endif
