#ifndef BARELABELMODULE_H
#define BARELABELMODULE_H

#include "kit/ivendrelinterface.h"

#include <QColor>
#include <QSizeF>

// A label module without an edit panel: an empty label of the module's default size
// and file kind. It stands in for a module whose panel and layout engine are not part
// of the editor yet, so the window, switching and the file commands work for all kinds.
class BareLabelModule : public IVendrelInterface
{
    Q_OBJECT

public:
    // kind: 0 pipe marker, 1 ammonia pipe marker, 2 arrow wrap.
    static BareLabelModule* create(int kind, QWidget* parent = nullptr);

    void startWizard() override;
    void newPipeInfo() override;
    void savePipeInfo(QDataStream& stream) override;
    void loadPipeInfo(QDataStream& stream) override;
    QPair<QString, QString> getFileType() override;

private:
    BareLabelModule(const QPair<QString, QString>& fileType, const QSizeF& labelSize,
                    const QColor& secondPaletteColor, QWidget* parent);

    QPair<QString, QString> m_fileType;
    QSizeF m_labelSize;
};

#endif
