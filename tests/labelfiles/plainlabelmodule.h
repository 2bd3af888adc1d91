#ifndef PLAINLABELMODULE_H
#define PLAINLABELMODULE_H

#include "kit/ivendrelinterface.h"
#include "kit/labelkind.h"
#include "kit/labellimits.h"

#include <QColor>
#include <QImage>

#include "canvas/mvcanvasmodel.h"

// A label module with an empty label of its kind's default size and the kind's file
// type, and a record of nothing but its preview: what the file commands need of a
// module, without any module's record or panel in the way.
class PlainLabelModule : public IVendrelInterface
{
public:
    explicit PlainLabelModule(const LabelKind& kind) : m_kind(kind)
    {
        auto* canvas =
            new MvCanvasModel(QList<QColor>{QColor(Qt::black), QColor(kind.secondPaletteColor)},
                              LabelLimits::MaxLength, LabelLimits::MaxLength,
                              kind.defaultSize.width(), kind.defaultSize.height(), nullptr);
        canvas->setParent(this);
        canvas->setShowEmptyTextMarker(false);
        setCanvas(canvas);
        newPipeInfo();
    }

    void startWizard() override {}
    void newPipeInfo() override
    {
        getCanvas()->setCanvasSize(m_kind.defaultSize.width(), m_kind.defaultSize.height(), true);
        getCanvas()->setCanvasBackgroundColor(Qt::white);
        getCanvas()->setCanvasHasChanged(false);
        emit fitCanvasInViewSignal();
    }
    void savePipeInfo(QDataStream& stream) override
    {
        stream << getCanvas()->createIcon(256, 256);
        getCanvas()->setCanvasHasChanged(false);
    }
    void loadPipeInfo(QDataStream&) override { newPipeInfo(); }
    QPair<QString, QString> getFileType() override { return m_kind.fileType(); }

private:
    const LabelKind& m_kind;
};

#endif
