#include "window/barelabelmodule.h"

#include "kit/labelfiletypes.h"
#include "kit/labellimits.h"

#include <QImage>

#include "canvas/mvcanvasmodel.h"

BareLabelModule* BareLabelModule::create(int kind, QWidget* parent)
{
    const auto fileType = [](const char* extension) {
        const QString suffix = QString::fromLatin1(extension);
        return qMakePair(LabelFileTypes::description(suffix), suffix);
    };
    switch (kind) {
    case 1:
        return new BareLabelModule(fileType(LabelFileTypes::AmmoniaPipeMarker), QSizeF(576, 72),
                                   QColor(QStringLiteral("#f28000")), parent);
    case 2:
        return new BareLabelModule(fileType(LabelFileTypes::ArrowWrap), QSizeF(170.64, 72),
                                   QColor(Qt::white), parent);
    default:
        return new BareLabelModule(fileType(LabelFileTypes::PipeMarker), QSizeF(576, 72),
                                   QColor(Qt::white), parent);
    }
}

BareLabelModule::BareLabelModule(const QPair<QString, QString>& fileType, const QSizeF& labelSize,
                                 const QColor& secondPaletteColor, QWidget* parent)
    : IVendrelInterface(parent), m_fileType(fileType), m_labelSize(labelSize)
{
    auto* canvas = new MvCanvasModel(QList<QColor>{QColor(Qt::black), secondPaletteColor},
                                     LabelLimits::MaxLength, LabelLimits::MaxLength,
                                     labelSize.width(), labelSize.height(), nullptr);
    canvas->setParent(this);
    canvas->setShowEmptyTextMarker(false);
    setCanvas(canvas);
    newPipeInfo();
}

void BareLabelModule::startWizard() {}

void BareLabelModule::newPipeInfo()
{
    MvCanvasModel* canvas = getCanvas();
    canvas->setCanvasSize(m_labelSize.width(), m_labelSize.height(), true);
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
    return m_fileType;
}
