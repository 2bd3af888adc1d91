#include "pipe/pipemarkerkind.h"

#include "pipe/pipemarkerlistrow.h"
#include "pipe/vendrelcontroller.h"
#include "pipe/vendrelfileloader.h"

namespace {
IVendrelInterface* makeController(const LabelKind&, QWidget* parent)
{
    return new VendrelController(parent);
}

IVendrelInterface* makeLoader(QWidget* parent)
{
    return new VendrelFileLoader(parent);
}

// Constant data: the file controller builds its type table from it while the
// library loads, before anything else has run.
constexpr LabelKind PipeMarker{
    0,
    "qypm",
    QT_TRANSLATE_NOOP3("QObject", " Pipe Marking File", "Specifies the file format."),
    "vendrelsymbols.db",
    QSizeF(576, 72),
    qRgb(255, 255, 255),
    false,
    //: The application for making generic pipe marking labels.
    QT_TRANSLATE_NOOP("VendrelMainWindow", "Pipe Marking"),
    "pipeRadioButton",
    ":/Common/Icons/CommonIcons/pipeOption.png",
    &makeController,
    &makeLoader,
    &PipeMarkerListRow::apply,
};
} // namespace

const LabelKind& PipeMarkerKind::row()
{
    return PipeMarker;
}
