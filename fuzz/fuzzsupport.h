#ifndef FUZZSUPPORT_H
#define FUZZSUPPORT_H

#include <QByteArray>

#include <cstddef>
#include <cstdint>

class MvCanvasModel;

// What every fuzz target needs once per process, before its first input: the
// application object and the data the readers look things up in. Building them
// per input would cost more than reading the input.
class FuzzSupport
{
public:
    FuzzSupport() = delete;

    // Makes the application (offscreen), points the data root at the build's
    // unless MORVANTIC_DATA_ROOT names one, registers the compiled-in pictures and
    // the font list, and silences Qt's messages: a reader that refuses an input
    // says why, and a million refusals would bury the one report that matters.
    // VENDREL_FUZZ_VERBOSE=1 keeps them. A fatal message still ends the run.
    //
    // The process gets a home of its own, a temporary folder that goes with it, so
    // that nothing a module writes there (settings, lists, history) reaches the
    // user's, and so that clearHome may empty it.
    static void start(const char* programName);

    // Empties the process's own home: what modules wrote there is gone, as on a
    // machine where the program never ran.
    static void clearHome();

    // The input as bytes, without a copy: the readers must not keep it.
    static QByteArray bytes(const uint8_t* data, size_t size);

    // For a target that reads an input twice, whole and in pieces: the input's
    // first byte chooses how long the pieces are, from 1 to longest bytes.
    static int pieceLength(const QByteArray& bytes, int longest);

    // Ends the run, naming what went wrong, when a reader broke a rule of its own
    // that no crash would show.
    static void require(bool condition, const char* what);

    // Draws the whole canvas into a small picture, as the renderer and the preview
    // do, so that a label that reads but cannot be painted is found too.
    static void draw(MvCanvasModel* canvas);

    // Delivers what the input left queued (scene updates, queued calls, deferred
    // deletes), as the event loop would between two files. Without it they pile up
    // from input to input: the heap grows, and libFuzzer, seeing more allocations
    // than frees, runs a whole-heap leak check after nearly every input.
    static void finishInput();
};

#endif
