#include "kinds/labelkinds.h"

#include "kinds/barelabelmodule.h"
#include "pipe/pipemarkerkind.h"

#include <QFileInfo>

namespace {
// The ammonia and arrow wrap modules are not part of the editor yet; their rows
// live here until they are, and the stand-in serves them meanwhile.
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
    &BareLabelModule::make,
    nullptr,
};

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
    static const QVector<const LabelKind*> kinds{&PipeMarkerKind::row(), &Ammonia, &ArrowWrap};
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
