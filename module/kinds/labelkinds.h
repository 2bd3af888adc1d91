#ifndef LABELKINDS_H
#define LABELKINDS_H

#include "kit/labelkind.h"
#include "kit/vendrelexport.h"

#include <QString>
#include <QVector>

// The one table of label kinds. Adding a kind means adding its row here (defined
// in the module's own folder) and nothing else: the launcher's suffix rule, the
// window's module switching, the file controller's type table and the renderer
// all read it.
class VENDREL_EXPORT LabelKinds
{
public:
    LabelKinds() = delete;

    // Every kind, in the order of its number (which is its index).
    static const QVector<const LabelKind*>& all();

    // Null when no row has it.
    static const LabelKind* byKind(int kind);
    // The extension without the dot, in any case.
    static const LabelKind* byExtension(const QString& extension);
    // The suffix of the file name (the text after its last dot), in any case; a
    // dot in a folder name does not count.
    static const LabelKind* byFileName(const QString& path);
};

#endif
