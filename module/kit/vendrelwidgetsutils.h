#ifndef VENDRELWIDGETSUTILS_H
#define VENDRELWIDGETSUTILS_H

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

class ArrowsMenu;
class MvComboBox;
class PipeSignalEmitter;
class QFrame;
class QIcon;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QWidget;

// Static helpers shared by the three label modules and the main window: data
// and configuration folders, the locale, the colour palettes, the font-family
// chooser, the unit switch, the slide animations of pop-up frames and the
// left/right/both logic of the two arrow buttons. Never instantiated; the
// cached values are filled on first use and kept for the life of the process.
class VendrelWidgetsUtils
{
public:
    VendrelWidgetsUtils() = delete;

    // ---- Folders (every value ends in "/") ---------------------------------
    // Read-only application data: the data root + "Vendrel/".
    static QString getDataPath();
    // Factory defaults; the same folder as getDataPath().
    static QString getDefaultConfigPath();
    // The user's writable configuration folder: home +
    // "/.configurations/Vendrel/".
    static QString getConfigPath();

    // The language of the suite settings, used in file names. A stored value
    // that is not a plain locale name (letters, digits, "_") gives "en_US".
    static QString getCurrentLocaleName();
    static bool isPlainLocaleName(const QString& name);

    // ---- Colours ---------------------------------------------------------
    // The twelve palette names, translated once with the translator installed
    // at the first call.
    static QStringList getTranslatedColorNames();
    // Appends the ten band colours to the three lists (never clears them):
    // shown names, background codes, foreground codes.
    static void createColorList(QList<QString>& names, QList<QString>& backgrounds,
                                QList<QString>& foregrounds);

    // ---- Fonts -----------------------------------------------------------
    // A new parentless combo of the printable font families, with the stored
    // label font family selected; a stored family that is not offered any more
    // is replaced (and the setting rewritten) by the default family, or by the
    // application font's family when that is missing too.
    static MvComboBox* createFontFamilyCombo(int minimumWidth);
    // Selects family in the combo with the same fall-backs; family is
    // rewritten in place to the family actually chosen.
    static void setFontFamily(MvComboBox* combo, QString& family);
    // Stores the label font family under "textItemFont/family", only when it differs.
    static void saveFontFamily(const QString& family);

    // ---- Units -----------------------------------------------------------
    // Makes units (0 inches, 1 millimetres) the current and default unit,
    // gives the combo models[units] while keeping its current row, and returns
    // the factor that turns values shown in the previous unit into the new
    // one. The combo must not own the models. An unknown unit changes nothing
    // and returns 1.0.
    static double updateUnits(MvComboBox* combo, const QList<QStandardItemModel*>& models,
                              int units);
    // Multiplies the number shown in the edit by factor and shows it with two
    // decimals; an empty edit stays empty, text that is not a number becomes
    // 0.00.
    static void convertUnitsOnLineEdit(QLineEdit* edit, double factor);

    // ---- Slide animations ----------------------------------------------------
    // The animation runs for AnimationDurationMs, linearly, is a child of the
    // widget and deletes itself when it stops. animatedHide hides the widget
    // when the animation finishes, also when it already stands at end.
    static void animatedShow(QWidget* widget, const QPoint& start, const QPoint& end);
    static void animatedHide(QWidget* widget, const QPoint& end);

    static constexpr int AnimationDurationMs = 400;

    // ---- Arrow buttons -----------------------------------------------------
    // These change the check state of buttons without emitting their signals:
    // a state set by code is not a user action, so the panels' toggled/clicked
    // slots are not re-entered.

    // True when the symbol name contains "up" or "down" in any case.
    static bool isVerticalArrowName(const QString& name);

    // A checked button gets the orange highlight and the menu highlights id;
    // an unchecked one loses the highlight and the menu highlights nothing.
    static void arrowHighlightAction(ArrowsMenu* menu, QPushButton* button, unsigned int id);
    // A symbol chosen in the menu goes to every checked side (left first).
    static void arrowSelectedAction(unsigned int id, const QByteArray& symbol, const QIcon& icon,
                                    QString name, QPushButton* leftButton, QPushButton* rightButton,
                                    unsigned int& leftId, unsigned int& rightId,
                                    PipeSignalEmitter* emitter);
    static void leftArrowClickedAction(bool checked, ArrowsMenu* menu, QPushButton* leftButton,
                                       QPushButton* rightButton, unsigned int& leftId,
                                       unsigned int& rightId, bool bothArrowsChecked,
                                       QFrame* arrowFrame, const QPoint& hiddenPosition,
                                       const QPoint& shownPosition);
    static void rightArrowClickedAction(bool checked, ArrowsMenu* menu, QPushButton* leftButton,
                                        QPushButton* rightButton, unsigned int& leftId,
                                        unsigned int& rightId, bool bothArrowsChecked,
                                        QFrame* arrowFrame, const QPoint& hiddenPosition,
                                        const QPoint& shownPosition);
    static void applyBothArrowsAction(bool checked, ArrowsMenu* menu, QPushButton* leftButton,
                                      QPushButton* rightButton, unsigned int& leftId,
                                      unsigned int& rightId, PipeSignalEmitter* emitter);
    static void arrowMenuCloseAction(QPushButton* leftButton, QPushButton* rightButton,
                                     QFrame* arrowFrame, const QPoint& hiddenPosition);

    // Which arrow button was touched last: true for the left one.
    static bool m_isLeftSideSelected;

private:
    static QString m_dataPath;
    static QString m_configPath;
    static QString m_defaultConfigPath;
    static QString m_localeName;
    static QStringList m_translatedColorNames;
};

#endif
