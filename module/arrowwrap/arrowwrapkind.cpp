#include "arrowwrap/arrowwrapkind.h"

#include "arrowwrap/arrowwrapcontroller.h"
#include "arrowwrap/arrowwrapfileloader.h"
#include "arrowwrap/arrowwraplistrow.h"

namespace {
IVendrelInterface* makeController(const LabelKind&, QWidget* parent)
{
    return new ArrowWrapController(parent);
}

IVendrelInterface* makeLoader(QWidget* parent)
{
    return new ArrowWrapFileLoader(parent);
}

// Constant data: the file controller builds its type table from it while the
// library loads, before anything else has run.
constexpr LabelKind ArrowWrapRow{
    2,
    "qyaw",
    QT_TRANSLATE_NOOP3("QObject", " Arrow Wrap File", "Specifies the file format."),
    "arrowwrapsymbols.db",
    QSizeF(170.64, 72),
    qRgb(255, 255, 255),
    true,
    //: The application for making labels containing arrows that wrap around the pipe.
    QT_TRANSLATE_NOOP("VendrelMainWindow", "Arrow Wrap"),
    "arrowWrapRadioButton",
    ":/Common/Icons/CommonIcons/arrowWrapOption.png",
    &makeController,
    &makeLoader,
    &ArrowWrapListRow::apply,
};
} // namespace

const LabelKind& ArrowWrapKind::row()
{
    return ArrowWrapRow;
}
