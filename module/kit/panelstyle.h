#ifndef PANELSTYLE_H
#define PANELSTYLE_H

#include <QFont>
#include <QString>

class QComboBox;
class QVBoxLayout;
class QWidget;

// The look the label modules' edit panels share: text sizes, the styles of their
// buttons and check boxes, and the rules that keep their controls in the columns
// they are given.
namespace PanelStyle {

// Text sizes, in pixels of the suite's widget family. Pixel sizes keep the
// frames fitting the window whatever font the application was given.
inline constexpr int CaptionPixelSize = 14;
inline constexpr int SmallPixelSize = 12;
inline constexpr int TitlePixelSize = 15;

inline const QString StepButtonStyle = QStringLiteral(
    "QPushButton { background-color: white; border: 1px solid #c6c6c6; font-weight: bold; }"
    "QPushButton:pressed { background-color: #fd7800; color: white; }"
    "QPushButton:disabled { background-color: #f0f0f0; color: #a0a0a0; }");

inline const QString ToggleButtonStyle = QStringLiteral(
    "QToolButton, QPushButton { background-color: white; border: 1px solid #c6c6c6; }"
    "QToolButton:checked, QPushButton:checked { border: 2px solid #fd7800; }"
    "QToolButton:disabled { background-color: #f0f0f0; color: #a0a0a0; }");

inline const QString CheckBoxStyle =
    QStringLiteral("QCheckBox { spacing: 6px; }"
                   "QCheckBox::indicator { width: 22px; height: 22px; }");

// The suite's widget font at a panel text size.
QFont font(int pixelSize, bool bold = false);

// Combos ask for the width of their longest entry; in a panel they take the
// column they are given and show the rest in the popup.
void fitComboToColumn(QComboBox* combo, int characters);

// A caption with a second line in small grey italics under it, such as the pipe
// diameter's "including covering".
QVBoxLayout* captionWithNote(const QString& caption, const QString& note, QWidget* parent);

// Style sheets stop a panel's font from reaching its children: hands it on to
// every control under `panel` that has no font of its own. Run once the panel
// is built.
void handOnFont(QWidget* panel);

} // namespace PanelStyle

#endif
