#ifndef AMMONIABENCHMARKS_H
#define AMMONIABENCHMARKS_H

#include <QString>

// The ammonia module: a layout pass after a typed character in pipe marker mode
// (the abbreviation, "layout/ammonia-pipe") and in component marker mode (the
// component, "layout/ammonia-component"), and open and save of an ammonia label
// file through the editor's file controller ("file/ammonia-open",
// "file/ammonia-save"). Quick: a tenth of the passes and one repetition.
void registerAmmoniaBenchmarks(bool quick);

// Saves the ammonia benchmark labels into `folder` as ammonia-pipe.qyam and
// ammonia-component.qyam. False when one could not be written.
bool writeAmmoniaFiles(const QString& folder);

#endif
