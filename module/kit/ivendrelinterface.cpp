#include "kit/ivendrelinterface.h"

IVendrelInterface::IVendrelInterface(QWidget* parent) : QWidget(parent) {}

IVendrelInterface::~IVendrelInterface() = default;

bool IVendrelInterface::saveRecord(QDataStream& stream)
{
    Q_UNUSED(stream)
    return false;
}

int IVendrelInterface::getTagsVisible() const
{
    return 0;
}

void IVendrelInterface::preparePrintTag(int tag)
{
    Q_UNUSED(tag)
}

void IVendrelInterface::updatePrintQuantity(int quantity)
{
    Q_UNUSED(quantity)
}

void IVendrelInterface::setCanvas(MvCanvasModel* canvas)
{
    m_canvas = canvas;
}

MvCanvasModel* IVendrelInterface::getCanvas() const
{
    return m_canvas;
}

MvCanvasModel* IVendrelInterface::getTagCanvas() const
{
    return m_tagCanvas;
}

QString IVendrelInterface::getLastWarning() const
{
    return m_lastWarning;
}

void IVendrelInterface::reportWarning(const QString& warning)
{
    m_lastWarning = warning;
    emit warningStringChanged(warning);
}

void IVendrelInterface::setTagCanvas(MvCanvasModel* canvas)
{
    m_tagCanvas = canvas;
}
