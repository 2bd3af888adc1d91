#ifndef ARROWWRAPFILELOADER_H
#define ARROWWRAPFILELOADER_H

#include "arrowwrap/arrowwrapcommoncontroller.h"
#include "kit/vendrelexport.h"

#include <QDataStream>

// Draws an arrow wrap file onto a canvas without any edit panel, for programs of the
// suite that only need the drawing. Register a canvas with setCanvas, then hand
// loadPipeInfo the stream positioned after the file's preview image. The canvas stays
// the caller's; each load replaces everything on it, so one loader may draw one file
// after another. Values are drawn as the file says, beyond the editor's caps too;
// only what cannot be drawn is bounded, and nothing is judged or reported.
class VENDREL_EXPORT ArrowWrapFileLoader : public ArrowWrapCommonController
{
    Q_OBJECT

public:
    explicit ArrowWrapFileLoader(QWidget* parent = nullptr);
    ~ArrowWrapFileLoader() override;

    // Without a registered canvas nothing is read. The caller judges the stream's
    // status afterwards: a record cut short is drawn with the bounded defaults of the
    // fields it lacks.
    void loadPipeInfo(QDataStream& stream) override;
};

#endif
