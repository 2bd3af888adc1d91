#include "benchcontroller.h"

#include "pipe/piperecord.h"

#include <QByteArray>
#include <QDataStream>

void BenchController::showLabel(const PipeLabel& label)
{
    QByteArray record;
    {
        QDataStream out(&record, QIODevice::WriteOnly);
        out.setFloatingPointPrecision(QDataStream::SinglePrecision);
        PipeRecord::write(out, label);
    }
    QDataStream in(record);
    in.setFloatingPointPrecision(QDataStream::SinglePrecision);
    loadPipeInfo(in);
}
