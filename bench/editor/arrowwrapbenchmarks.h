#ifndef ARROWWRAPBENCHMARKS_H
#define ARROWWRAPBENCHMARKS_H

#include <QString>

// The arrow wrap module: a layout pass after a typed character of the wrap width
// with 12 and with 99 arrows ("layout/arrowwrap-12", "layout/arrowwrap-99"), a count
// change between 99 arrows and 1 ("layout/arrowwrap-count"), and open and save of
// the 12-arrow wrap's file through the editor's file controller
// ("file/arrowwrap-open", "file/arrowwrap-save"). Quick: a tenth of the passes and
// one repetition.
void registerArrowWrapBenchmarks(bool quick);

// Saves the arrow wrap benchmark labels into `folder` as arrowwrap-12.qyaw and
// arrowwrap-99.qyaw. False when one could not be written.
bool writeArrowWrapFiles(const QString& folder);

#endif
