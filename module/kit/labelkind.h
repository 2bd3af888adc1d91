#ifndef LABELKIND_H
#define LABELKIND_H

#include <QCoreApplication>
#include <QPair>
#include <QRgb>
#include <QSizeF>
#include <QString>

class IVendrelInterface;
class QWidget;
struct LabelRow;

// Everything the editor, the file commands, the launcher and the renderer need to
// know about one kind of label. Each module folder defines the row of its own kind;
// the kinds layer gathers the rows into one table. Rows are constant data, so a
// row can be read at any time, also while the program is still loading.
struct LabelKind
{
    // A text marked for translation: source and disambiguation, as lupdate keys it.
    struct Text
    {
        const char* source;
        const char* comment;
    };

    // Makes the kind's interactive module; the row is handed in so that one
    // factory can serve several kinds.
    using ModuleFactory = IVendrelInterface* (*)(const LabelKind& kind, QWidget* parent);
    // Makes the kind's headless loader.
    using LoaderFactory = IVendrelInterface* (*)(QWidget* parent);
    // Gives the kind's interactive module (made by makeModule) the values of a line
    // list's row through the slots the panel's edits reach, so the label gets the
    // sizes and warnings a user's edits would give. False, with the reason in error,
    // when the row holds a value the kind cannot take; the label may then be half
    // changed and is to be reset before the next row.
    using RowApplier = bool (*)(IVendrelInterface* module, const LabelRow& row, QString* error);

    // The window's module kind (VendrelMainWindow::VendrelWidgetTypes value).
    int kind;
    // File extension, lower case, without the dot; also the encoded format that
    // the file's header carries.
    const char* extension;
    // Follows "Quillory PRO" in file dialogs; translated in the QObject context.
    Text fileDescription;
    // Appended to the data path.
    const char* symbolDatabase;
    // Size of a new label, in points.
    QSizeF defaultSize;
    // The canvas palette: black first, then this colour.
    QRgb secondPaletteColor;
    // The label is shown in the view turned by 270 degrees (a strip around the pipe).
    bool turnedView;
    // Title on the module button and the selector; translated in the main window's
    // context, with the extracomment given beside the row.
    const char* moduleTitle;
    const char* radioObjectName;
    const char* icon;
    ModuleFactory makeModule;
    // Null while the kind has no headless loader.
    LoaderFactory makeLoader;
    // Null while the kind cannot be made from a line list.
    RowApplier applyRow;

    QString description() const
    {
        return QStringLiteral("Quillory PRO") +
               QCoreApplication::translate("QObject", fileDescription.source,
                                           fileDescription.comment);
    }

    QString title() const { return QCoreApplication::translate("VendrelMainWindow", moduleTitle); }

    // What IVendrelInterface::getFileType gives: (description, extension).
    QPair<QString, QString> fileType() const
    {
        return qMakePair(description(), QString::fromLatin1(extension));
    }
};

#endif
