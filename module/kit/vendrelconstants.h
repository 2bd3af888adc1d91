#ifndef VENDRELCONSTANTS_H
#define VENDRELCONSTANTS_H

#include "widgets/dataroot.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

// Colours, styles and folders shared by every module, window and panel. Each
// table lives here once; the lists below are derived from it so the copies can
// never drift apart.
namespace VendrelConstants {

// ---- Folders ---------------------------------------------------------------
// Built once at load time from the data root (which the environment may move
// for build-tree runs and tests). All end in "/".
inline const QString DataRootFolder = DataRoot::path();
inline const QString HelpFolder = DataRootFolder + QStringLiteral("Help/");
inline const QString DatabasesFolder = DataRootFolder + QStringLiteral("databases/");
inline const QString ApplicationDataFolderName = QStringLiteral("Vendrel/");
inline const QString UserConfigFolderName = QStringLiteral(".configurations/Vendrel/");

// Symbol databases, appended directly to VendrelWidgetsUtils::getDataPath().
inline const QString PipeMarkerSymbolDatabase = QStringLiteral("vendrelsymbols.db");
inline const QString AmmoniaSymbolDatabase = QStringLiteral("ammovendrelsymbols.db");
inline const QString ArrowWrapSymbolDatabase = QStringLiteral("arrowwrapsymbols.db");

// The version reported in the information box, analytics and by the library.
inline constexpr const char* SoftwareVersion = "3.0.5.5";

// ---- Settings ----------------------------------------------------------------
inline const QString SuiteSettingsOrganization = QStringLiteral("Morvantic");
inline const QString SuiteSettingsApplication = QStringLiteral("QuilloryPro");
inline const QString LocaleSettingKey = QStringLiteral("locale/language");
inline const QString DefaultLocaleName = QStringLiteral("en_US");
inline const QString FontFamilySettingKey = QStringLiteral("textItemFont/family");

// ---- Styles ----------------------------------------------------------------
inline const QString DarkBackgroundStyle = QStringLiteral("background-color: #2b2b2b");
inline const QString GreyTextStyle = QStringLiteral("color: rgb(198, 198, 198)");
inline const QString WhiteTextStyle = QStringLiteral("color: white");
inline const QString TransparentName = QStringLiteral("transparent");
inline const QString HighlightOrangeCode = QStringLiteral("#fd7800");
// The arrow pictures of every touch scroll bar in the panels.
inline const QString ScrollBarArrowsStyle = QStringLiteral(
    "QScrollBar::up-arrow { image: url(:/module_icons/ModuleIcons/edit-arrow-up.png); }"
    "QScrollBar::down-arrow { image: "
    "url(:/module_icons/ModuleIcons/edit-arrow-down.png); }"
    "QScrollBar::left-arrow { image: "
    "url(:/module_icons/ModuleIcons/edit-arrow-left.png); }"
    "QScrollBar::right-arrow { image: "
    "url(:/module_icons/ModuleIcons/edit-arrow-right.png); }");

// ---- Fonts -----------------------------------------------------------------
inline const QString DefaultFontFamily = QStringLiteral("_Vad Ivar");

// ---- Colours -----------------------------------------------------------------
// Almost white: stands for "no colour" on a label; the palette's CLEAR entry.
inline const QColor ClearColor = QColor(QStringLiteral("#FFFFFE"));
inline const QColor TransparentColor = QColor(Qt::transparent);
inline const QColor WhiteColor = QColor(Qt::white);
inline const QColor BlackColor = QColor(Qt::black);

// Translation context of the palette's shown names.
inline constexpr const char* ColorNameContext = "QObject";

// A text marked for translation together with its disambiguation comment.
struct TranslatableText
{
    const char* source;
    const char* comment;
};

struct PaletteEntry
{
    const char* key;            // lower-case key used in code and settings
    TranslatableText shownName; // name shown to the user, translated in the QObject context
    const char* hexCode;
};

enum PaletteIndex : int
{
    PaletteWhite = 0,
    PaletteBlack,
    PaletteRed,
    PaletteOrange,
    PaletteYellow,
    PaletteGreen,
    PaletteBlue,
    PaletteSkyBlue,
    PalettePurple,
    PaletteBrown,
    PaletteGray,
    PaletteClear,
    PaletteSize
};

// The full palette, in the order used everywhere.
inline constexpr std::array<PaletteEntry, PaletteSize> Palette = {{
    {"white", QT_TRANSLATE_NOOP3("QObject", "WHITE", "Color name shown to user."), "#ffffff"},
    {"black", QT_TRANSLATE_NOOP3("QObject", "BLACK", "Color name shown to user."), "#000000"},
    {"red", QT_TRANSLATE_NOOP3("QObject", "RED", "Color name shown to user."), "#dc0b0b"},
    {"orange", QT_TRANSLATE_NOOP3("QObject", "ORANGE", "Color name shown to user."), "#f28000"},
    {"yellow", QT_TRANSLATE_NOOP3("QObject", "YELLOW", "Color name shown to user."), "#fedb00"},
    {"green", QT_TRANSLATE_NOOP3("QObject", "GREEN", "Color name shown to user."), "#248d4f"},
    {"blue", QT_TRANSLATE_NOOP3("QObject", "BLUE", "Color name shown to user."), "#0018a8"},
    {"sky blue", QT_TRANSLATE_NOOP3("QObject", "SKY BLUE", "Color name shown to user."), "#41b6e6"},
    {"purple", QT_TRANSLATE_NOOP3("QObject", "PURPLE", "Color name shown to user."), "#7238ab"},
    {"brown", QT_TRANSLATE_NOOP3("QObject", "BROWN", "Color name shown to user."), "#473333"},
    {"gray", QT_TRANSLATE_NOOP3("QObject", "GRAY", "Color name shown to user."), "#a0a0a0"},
    {"clear", QT_TRANSLATE_NOOP3("QObject", "CLEAR", "Color name shown to user."), "#fffffe"},
}};

// The band palette: which palette colour a band takes, and the colour of text
// and symbols printed on it (chosen for contrast).
struct BandEntry
{
    PaletteIndex background;
    PaletteIndex foreground;
};

inline constexpr std::array<BandEntry, 10> BandPalette = {{
    {PaletteRed, PaletteWhite},
    {PaletteOrange, PaletteBlack},
    {PaletteYellow, PaletteBlack},
    {PaletteGreen, PaletteWhite},
    {PaletteBlue, PaletteWhite},
    {PalettePurple, PaletteWhite},
    {PaletteBrown, PaletteWhite},
    {PaletteGray, PaletteWhite},
    {PaletteBlack, PaletteWhite},
    {PaletteWhite, PaletteBlack},
}};

// The palette as hex codes, as QColors and as keys, all in palette order.
inline const QStringList PaletteHexCodes = [] {
    QStringList codes;
    for (const PaletteEntry& entry : Palette)
        codes.append(QString::fromLatin1(entry.hexCode));
    return codes;
}();

inline const QList<QColor> PaletteColors = [] {
    QList<QColor> colors;
    for (const PaletteEntry& entry : Palette)
        colors.append(QColor(QString::fromLatin1(entry.hexCode)));
    colors[PaletteWhite] = QColor(Qt::white);
    colors[PaletteBlack] = QColor(Qt::black);
    return colors;
}();

inline const QStringList PaletteKeys = [] {
    QStringList keys;
    for (const PaletteEntry& entry : Palette)
        keys.append(QString::fromLatin1(entry.key));
    return keys;
}();

// Named colours used directly by the layouts.
inline const QColor YellowColor = QColor(QString::fromLatin1(Palette[PaletteYellow].hexCode));
inline const QColor SkyBlueColor = QColor(QString::fromLatin1(Palette[PaletteSkyBlue].hexCode));
inline const QColor RedColor = QColor(QString::fromLatin1(Palette[PaletteRed].hexCode));
inline const QColor GreenColor = QColor(QString::fromLatin1(Palette[PaletteGreen].hexCode));
inline const QColor OrangeColor = QColor(QString::fromLatin1(Palette[PaletteOrange].hexCode));

} // namespace VendrelConstants

#endif
