#include "ammonia/ammoniakind.h"

#include "ammonia/ammoniacontroller.h"
#include "ammonia/ammoniafileloader.h"
#include "ammonia/ammonialistrow.h"

namespace {
IVendrelInterface* makeController(const LabelKind&, QWidget* parent)
{
    return new AmmoniaController(parent);
}

IVendrelInterface* makeLoader(QWidget* parent)
{
    return new AmmoniaFileLoader(parent);
}

// Constant data: the file controller builds its type table from it while the
// library loads, before anything else has run.
constexpr LabelKind Ammonia{
    1,
    "qyam",
    QT_TRANSLATE_NOOP3("QObject", " Ammonia Pipe Marking File", "Specifies the file format."),
    "ammovendrelsymbols.db",
    QSizeF(576, 72),
    qRgb(0xf2, 0x80, 0x00),
    false,
    //: The application for making ammonia pipe marking labels.
    QT_TRANSLATE_NOOP("VendrelMainWindow", "Ammonia Pipe Marking"),
    "ammoniaRadioButton",
    ":/Common/Icons/CommonIcons/ammoniaOption.png",
    &makeController,
    &makeLoader,
    &AmmoniaListRow::apply,
};
} // namespace

const LabelKind& AmmoniaKind::row()
{
    return Ammonia;
}
