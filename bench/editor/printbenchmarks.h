#ifndef PRINTBENCHMARKS_H
#define PRINTBENCHMARKS_H

// Printing the longest label (13824 x 72 pt, "print/longest"): the canvas drawn
// onto the printer's page at 300 dpi, as the print controller draws it for a CUPS
// queue (a PDF page of the label's size). Reports the time of a print and how far
// the process's peak memory rose above what it held before ("peak_added_mb"):
// an image of the whole label at 300 dpi would be 57600 x 300 pixels, 66 MB.
void registerPrintBenchmarks(bool quick);

#endif
