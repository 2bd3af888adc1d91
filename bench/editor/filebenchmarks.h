#ifndef FILEBENCHMARKS_H
#define FILEBENCHMARKS_H

#include <QString>

#include <benchmark/benchmark.h>

class IVendrelInterface;

// Open and save of the everyday label file through the editor's file controller
// ("file/open", "file/save"), and the parts of each timed apart with the same calls
// in the same order ("file/open-parts", "file/save-parts"). Quick: a tenth of the
// passes and one repetition.
void registerFileBenchmarks(bool quick);

// Opens `path` into `module` through the editor's file controller as the open
// command does, history included, once a pass.
void timeOpens(benchmark::State& state, IVendrelInterface* module, const QString& path);
// Saves `module`'s label to `path` as the save command does, once a pass.
void timeSaves(benchmark::State& state, IVendrelInterface* module, const QString& path);
// Passes and repetitions as every file benchmark has them.
void configureFileBenchmark(benchmark::internal::Benchmark* benchmark, int iterations, bool quick);

#endif
