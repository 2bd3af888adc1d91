#include "kinds/labelkinds.h"

#include "ammonia/ammoniakind.h"
#include "kinds/barelabelmodule.h"
#include "pipe/pipemarkerkind.h"

#include <QFileInfo>

namespace {
// The arrow wrap module is not part of the editor yet; its row lives here until it
// is, and the stand-in serves it meanwhile.
constexpr LabelKind ArrowWrap{
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
    &BareLabelModule::make,
    nullptr,
};
} // namespace

const QVector<const LabelKind*>& LabelKinds::all()
{
    static const QVector<const LabelKind*> kinds{&PipeMarkerKind::row(), &AmmoniaKind::row(),
                                                 &ArrowWrap};
    return kinds;
}

const LabelKind* LabelKinds::byKind(int kind)
{
    for (const LabelKind* row : all())
        if (row->kind == kind)
            return row;
    return nullptr;
}

const LabelKind* LabelKinds::byExtension(const QString& extension)
{
    for (const LabelKind* row : all())
        if (extension.compare(QLatin1String(row->extension), Qt::CaseInsensitive) == 0)
            return row;
    return nullptr;
}

const LabelKind* LabelKinds::byFileName(const QString& path)
{
    return byExtension(QFileInfo(path).suffix());
}
