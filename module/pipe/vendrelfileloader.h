#ifndef VENDRELFILELOADER_H
#define VENDRELFILELOADER_H

#include "kit/vendrelexport.h"
#include "pipe/vendrelcommoncontroller.h"

#include <QDataStream>

// Draws a pipe marker label file onto a canvas without any edit panel, for programs
// of the suite that only need the label's drawing. Register a canvas with setCanvas,
// then hand loadPipeInfo the stream positioned after the file's preview image. The
// canvas stays the caller's; each load replaces everything on it.
class VENDREL_EXPORT VendrelFileLoader : public VendrelCommonController
{
    Q_OBJECT

public:
    explicit VendrelFileLoader(QWidget* parent = nullptr);
    ~VendrelFileLoader() override;

    // Without a registered canvas nothing is read. The stored length is kept, also
    // under "Fit label to text". The caller judges the stream's status afterwards: a
    // record cut short is drawn with the bounded defaults of the fields it lacks.
    void loadPipeInfo(QDataStream& stream) override;

    // Reads both arrow ids and loads their drawings from the pipe marker symbols. An id
    // the database does not hold as a symbol leaves that side's arrows hidden.
    void loadArrows(QDataStream& stream);

private:
    void loadArrowIds(int leftId, int rightId);
};

#endif
