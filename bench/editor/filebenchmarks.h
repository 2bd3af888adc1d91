#ifndef FILEBENCHMARKS_H
#define FILEBENCHMARKS_H

// Open and save of the everyday label file through the editor's file controller
// ("file/open", "file/save"), and the parts of each timed apart with the same calls
// in the same order ("file/open-parts", "file/save-parts"). Quick: a tenth of the
// passes and one repetition.
void registerFileBenchmarks(bool quick);

#endif
