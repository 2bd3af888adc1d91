#include "kinds/barelabelmodule.h"

#include "kit/labellimits.h"

#include <QColor>
#include <QImage>

#include "canvas/mvcanvasmodel.h"

BareLabelModule::BareLabelModule(const LabelKind& kind, QWidget* parent)
    : IVendrelInterface(parent), m_kind(kind)
{
    auto* canvas = new MvCanvasModel(
        QList<QColor>{QColor(Qt::black), QColor(kind.secondPaletteColor)}, LabelLimits::MaxLength,
        LabelLimits::MaxLength, kind.defaultSize.width(), kind.defaultSize.height(), nullptr);
    canvas->setParent(this);
    canvas->setShowEmptyTextMarker(false);
    setCanvas(canvas);
    newPipeInfo();
}

IVendrelInterface* BareLabelModule::make(const LabelKind& kind, QWidget* parent)
{
    return new BareLabelModule(kind, parent);
}

void BareLabelModule::startWizard() {}

void BareLabelModule::newPipeInfo()
{
    MvCanvasModel* canvas = getCanvas();
    canvas->setCanvasSize(m_kind.defaultSize.width(), m_kind.defaultSize.height(), true);
    canvas->setCanvasBackgroundColor(Qt::white);
    canvas->setCanvasHasChanged(false);
    emit fitCanvasInViewSignal();
}

void BareLabelModule::savePipeInfo(QDataStream& stream)
{
    stream << getCanvas()->createIcon(256, 256);
    getCanvas()->setCanvasHasChanged(false);
}

void BareLabelModule::loadPipeInfo(QDataStream& stream)
{
    Q_UNUSED(stream)
    newPipeInfo();
}

QPair<QString, QString> BareLabelModule::getFileType()
{
    return m_kind.fileType();
}

bool BareLabelModule::standsIn() const
{
    return m_kind.makeModule == &BareLabelModule::make;
}
