#include "kit/labelfiletypes.h"

#include <QObject>

QString LabelFileTypes::description(const QString& extension)
{
    const QString product = QStringLiteral("Quillory PRO");
    if (extension == QLatin1String(PipeMarker))
        return product + QObject::tr(" Pipe Marking File", "Specifies the file format.");
    if (extension == QLatin1String(AmmoniaPipeMarker))
        return product + QObject::tr(" Ammonia Pipe Marking File", "Specifies the file format.");
    if (extension == QLatin1String(ArrowWrap))
        return product + QObject::tr(" Arrow Wrap File", "Specifies the file format.");
    return QString();
}
