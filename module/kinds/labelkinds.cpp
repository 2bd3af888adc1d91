#include "kinds/labelkinds.h"

#include "ammonia/ammoniakind.h"
#include "arrowwrap/arrowwrapkind.h"
#include "pipe/pipemarkerkind.h"

#include <QFileInfo>

const QVector<const LabelKind*>& LabelKinds::all()
{
    static const QVector<const LabelKind*> kinds{&PipeMarkerKind::row(), &AmmoniaKind::row(),
                                                 &ArrowWrapKind::row()};
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
