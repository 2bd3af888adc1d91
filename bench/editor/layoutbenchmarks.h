#ifndef LAYOUTBENCHMARKS_H
#define LAYOUTBENCHMARKS_H

#include <QString>

#include <benchmark/benchmark.h>

#include <functional>

// One layout pass after a typed character, for each of the benchmark labels:
// "layout/<label name>". Quick: a tenth of the passes and one repetition, to try
// them out or to profile them.
void registerLayoutBenchmarks(bool quick);

// Times single layout passes after a typed character: `type` gets `text` with one
// more character and then `text` again, in turn (a key, then backspace), as a
// panel's field hands the controller every keystroke.
void timeKeystrokes(benchmark::State& state, const std::function<void(const QString&)>& type,
                    const QString& text);

#endif
