#ifndef BARELABELMODULE_H
#define BARELABELMODULE_H

#include "kit/ivendrelinterface.h"
#include "kit/labelkind.h"

// A label module without an edit panel: an empty label of its kind's default size
// and file type. It stands in for a module whose panel and layout engine are not
// part of the editor yet, so the window, switching and the file commands work for
// every kind of the table.
class BareLabelModule : public IVendrelInterface
{
    Q_OBJECT

public:
    explicit BareLabelModule(const LabelKind& kind, QWidget* parent = nullptr);

    // The module factory of the kinds it stands in for.
    static IVendrelInterface* make(const LabelKind& kind, QWidget* parent);

    void startWizard() override;
    void newPipeInfo() override;
    void savePipeInfo(QDataStream& stream) override;
    void loadPipeInfo(QDataStream& stream) override;
    QPair<QString, QString> getFileType() override;

private:
    const LabelKind& m_kind;
};

#endif
