#ifndef LABELFILETYPES_H
#define LABELFILETYPES_H

#include <QString>

// The three label file kinds and the description shown for each in file dialogs.
class LabelFileTypes
{
public:
    LabelFileTypes() = delete;

    static constexpr const char* PipeMarker = "qypm";
    static constexpr const char* AmmoniaPipeMarker = "qyam";
    static constexpr const char* ArrowWrap = "qyaw";

    // "Quillory PRO" followed by the kind's translated name; empty for an unknown
    // extension. Translated with whatever catalogue is installed at the call.
    static QString description(const QString& extension);
};

#endif
