#ifndef BARELABELMODULE_H
#define BARELABELMODULE_H

#include "kit/ivendrelinterface.h"
#include "kit/labelkind.h"

// A label module without an edit panel: an empty label of its kind's default size
// and file type. It stands in for a module whose panel and layout engine are not
// part of the editor yet, so the window, switching and New work for every kind of
// the table. It knows nothing of its kind's record, so the file commands refuse to
// open or save with a stand-in (see standsIn).
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

    const LabelKind& kind() const { return m_kind; }
    // True while the kind has no module of its own, which is when the editor uses
    // this one; opening would show a blank label under the file's name and saving
    // would write the file back without its record.
    bool standsIn() const;

private:
    const LabelKind& m_kind;
};

#endif
