#ifndef VENDREL_EXPORT_H
#define VENDREL_EXPORT_H

// The library builds with hidden visibility; only what other programs of the
// suite call is exported (the main window and the headless label loaders).
#define VENDREL_EXPORT __attribute__((visibility("default")))

#endif
