#include "kit/pipesignalemitter.h"

PipeSignalEmitter::PipeSignalEmitter(QObject* parent) : QObject(parent) {}

void PipeSignalEmitter::emitLeftArrowChangedSignal(unsigned int id, const QByteArray& symbol,
                                                   bool vertical)
{
    emit leftArrowChangedSignal(id, symbol, vertical);
}

void PipeSignalEmitter::emitRightArrowChangedSignal(unsigned int id, const QByteArray& symbol,
                                                    bool vertical)
{
    emit rightArrowChangedSignal(id, symbol, vertical);
}
