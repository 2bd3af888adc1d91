#ifndef PIPESIGNALEMITTER_H
#define PIPESIGNALEMITTER_H

#include <QByteArray>
#include <QObject>

// Relays a change of the left or right arrow, made by the static arrow
// operations of VendrelWidgetsUtils, to the panel that owns this object.
class PipeSignalEmitter : public QObject
{
    Q_OBJECT

public:
    explicit PipeSignalEmitter(QObject* parent = nullptr);

    void emitLeftArrowChangedSignal(unsigned int id, const QByteArray& symbol, bool vertical);
    void emitRightArrowChangedSignal(unsigned int id, const QByteArray& symbol, bool vertical);

signals:
    // vertical: the symbol's name says up or down.
    void leftArrowChangedSignal(unsigned int id, QByteArray symbol, bool vertical);
    void rightArrowChangedSignal(unsigned int id, QByteArray symbol, bool vertical);
};

#endif
