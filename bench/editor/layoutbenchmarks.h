#ifndef LAYOUTBENCHMARKS_H
#define LAYOUTBENCHMARKS_H

// One layout pass after a typed character, for each of the benchmark labels:
// "layout/<label name>". Quick: a tenth of the passes and one repetition, to try
// them out or to profile them.
void registerLayoutBenchmarks(bool quick);

#endif
