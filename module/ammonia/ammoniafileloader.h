#ifndef AMMONIAFILELOADER_H
#define AMMONIAFILELOADER_H

#include "ammonia/ammoniacommoncontroller.h"
#include "kit/vendrelexport.h"

#include <QDataStream>

// Draws an ammonia label file onto a canvas without any edit panel, for programs of
// the suite that only need the label's drawing. Register a canvas with setCanvas,
// then hand loadPipeInfo the stream positioned after the file's preview image. The
// canvas stays the caller's; each load replaces everything on it. It touches no list
// file and shows no warning: the label is drawn as the file says.
class VENDREL_EXPORT AmmoniaFileLoader : public AmmoniaCommonController
{
    Q_OBJECT

public:
    explicit AmmoniaFileLoader(QWidget* parent = nullptr);
    ~AmmoniaFileLoader() override;

    // Without a registered canvas nothing is read. The caller judges the stream's
    // status afterwards: a record cut short is drawn with the bounded defaults of the
    // fields it lacks.
    void loadPipeInfo(QDataStream& stream) override;

    // Reads both arrow ids and loads their drawings from the ammonia symbols. An id
    // the database does not hold as a symbol leaves that side's arrow hidden.
    void loadArrows(QDataStream& stream);

private:
    void loadArrowIds(int leftId, int rightId);
};

#endif
