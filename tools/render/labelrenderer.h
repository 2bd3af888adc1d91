#ifndef LABELRENDERER_H
#define LABELRENDERER_H

#include <QJsonObject>
#include <QScopedPointer>
#include <QString>

class IVendrelInterface;
class MvCanvasModel;
struct LabelKind;

// Opens a label file the way the editor does (container check, then the headless
// loader of its kind from the label kinds table, or the generic label reader for
// "qyld") and draws or describes it.
class LabelRenderer
{
public:
    LabelRenderer();
    ~LabelRenderer();

    // With verbose on, messages of the loaders reach stderr beside the result.
    void setVerbose(bool verbose) { m_verbose = verbose; }

    // False with a one-line reason in error() when the file is refused, or when its
    // arrows cannot be drawn because their symbol database cannot be opened (then
    // symbolsMissing() is true).
    bool open(const QString& path);
    bool symbolsMissing() const { return m_symbolsMissing; }

    bool writePng(const QString& path, int dotsPerInch);
    bool writePdf(const QString& path);
    bool writeSvg(const QString& path);
    QJsonObject info() const;

    QString error() const { return m_error; }
    QString kind() const { return m_kind; }
    MvCanvasModel* canvas() const { return m_canvas; }

private:
    bool openContainer(const QString& path, const LabelKind& kind);
    bool openGeneric(const QString& path);

    bool m_verbose = false;
    bool m_symbolsMissing = false;
    QString m_kind;
    QString m_error;
    MvCanvasModel* m_canvas = nullptr;
    QScopedPointer<IVendrelInterface> m_module;
    QScopedPointer<MvCanvasModel> m_ownedCanvas;
};

#endif
