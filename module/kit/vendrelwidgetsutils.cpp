#include "kit/vendrelwidgetsutils.h"

#include "kit/arrowsmenu.h"
#include "kit/pipesignalemitter.h"
#include "kit/vendrelconstants.h"
#include "units/defaultunitcontroller.h"
#include "units/unitconversions.h"
#include "widgets/commonlists.h"
#include "widgets/dataroot.h"
#include "widgets/mvcombobox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QGraphicsColorizeEffect>
#include <QIcon>
#include <QLineEdit>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalBlocker>
#include <QStandardItem>
#include <QStandardItemModel>
#include <QWidget>

#include <iterator>

bool VendrelWidgetsUtils::m_isLeftSideSelected = false;
QString VendrelWidgetsUtils::m_dataPath;
QString VendrelWidgetsUtils::m_configPath;
QString VendrelWidgetsUtils::m_defaultConfigPath;
QString VendrelWidgetsUtils::m_localeName;
QStringList VendrelWidgetsUtils::m_translatedColorNames;

namespace {

const QColor ArrowHighlightColor(255, 88, 0);

QPropertyAnimation* createSlideAnimation(QWidget* widget, const QPoint& start, const QPoint& end)
{
    auto* animation = new QPropertyAnimation(widget, "pos", widget);
    animation->setDuration(VendrelWidgetsUtils::AnimationDurationMs);
    animation->setStartValue(start);
    animation->setEndValue(end);
    return animation;
}

void setCheckedQuietly(QPushButton* button, bool checked)
{
    if (!button)
        return;
    const QSignalBlocker blocker(button);
    button->setChecked(checked);
}

void removeHighlight(QPushButton* button)
{
    if (button)
        button->setGraphicsEffect(nullptr);
}

bool isChecked(const QPushButton* button)
{
    return button && button->isChecked();
}

// Gives one side the symbol already chosen for the other side. A symbol the
// database does not hold, or one that cannot be chosen, leaves that side with
// the no-arrow picture and no drawing.
void copySymbolToSide(ArrowsMenu* menu, QPushButton* button, unsigned int id,
                      PipeSignalEmitter* emitter, bool leftSide)
{
    QByteArray symbol;
    QIcon icon;
    QString name;
    bool vertical = false;
    if (menu && menu->getSelectableSymbol(static_cast<int>(id), &symbol, &icon, &name)) {
        vertical = VendrelWidgetsUtils::isVerticalArrowName(name);
    } else {
        symbol.clear();
        icon = menu ? menu->getNoArrowIcon() : QIcon();
    }
    if (button)
        button->setIcon(icon);
    if (!emitter)
        return;
    if (leftSide)
        emitter->emitLeftArrowChangedSignal(id, symbol, vertical);
    else
        emitter->emitRightArrowChangedSignal(id, symbol, vertical);
}

// The shared body of the left and right button handlers, written for "this"
// side and the "other" side.
void arrowClickedAction(bool checked, bool leftSide, ArrowsMenu* menu, QPushButton* thisButton,
                        QPushButton* otherButton, unsigned int thisId, unsigned int otherId,
                        bool bothArrowsChecked, QFrame* arrowFrame, const QPoint& hiddenPosition,
                        const QPoint& shownPosition)
{
    VendrelWidgetsUtils::arrowHighlightAction(menu, thisButton, thisId);
    VendrelWidgetsUtils::m_isLeftSideSelected = leftSide;

    if (!checked) {
        setCheckedQuietly(otherButton, false);
        removeHighlight(thisButton);
        removeHighlight(otherButton);
        VendrelWidgetsUtils::animatedHide(arrowFrame, hiddenPosition);
        return;
    }

    if (bothArrowsChecked) {
        setCheckedQuietly(otherButton, true);
        VendrelWidgetsUtils::arrowHighlightAction(menu, otherButton, otherId);
    } else if (isChecked(otherButton)) {
        // The frame is already out for the other side; just switch sides.
        setCheckedQuietly(otherButton, false);
        removeHighlight(otherButton);
        return;
    }
    VendrelWidgetsUtils::animatedShow(arrowFrame, hiddenPosition, shownPosition);
}

} // namespace

QString VendrelWidgetsUtils::getDataPath()
{
    if (m_dataPath.isEmpty())
        m_dataPath = DataRoot::path() + VendrelConstants::ApplicationDataFolderName;
    return m_dataPath;
}

QString VendrelWidgetsUtils::getDefaultConfigPath()
{
    if (m_defaultConfigPath.isEmpty())
        m_defaultConfigPath = DataRoot::path() + VendrelConstants::ApplicationDataFolderName;
    return m_defaultConfigPath;
}

QString VendrelWidgetsUtils::getConfigPath()
{
    if (m_configPath.isEmpty())
        m_configPath = QDir::homePath() + QLatin1Char('/') + VendrelConstants::UserConfigFolderName;
    return m_configPath;
}

bool VendrelWidgetsUtils::isPlainLocaleName(const QString& name)
{
    static const QRegularExpression plainName(QStringLiteral("\\A[A-Za-z0-9_]+\\z"));
    return plainName.match(name).hasMatch();
}

QString VendrelWidgetsUtils::getCurrentLocaleName()
{
    if (m_localeName.isEmpty()) {
        const QSettings settings(QSettings::IniFormat, QSettings::UserScope,
                                 VendrelConstants::SuiteSettingsOrganization,
                                 VendrelConstants::SuiteSettingsApplication);
        const QString stored =
            settings.value(VendrelConstants::LocaleSettingKey, VendrelConstants::DefaultLocaleName)
                .toString();
        // The name becomes part of file names: anything else could climb out
        // of the folder or name a file that was never meant.
        m_localeName = isPlainLocaleName(stored) ? stored : VendrelConstants::DefaultLocaleName;
    }
    return m_localeName;
}

QStringList VendrelWidgetsUtils::getTranslatedColorNames()
{
    if (m_translatedColorNames.isEmpty()) {
        for (const VendrelConstants::PaletteEntry& entry : VendrelConstants::Palette)
            m_translatedColorNames.append(
                QCoreApplication::translate(VendrelConstants::ColorNameContext,
                                            entry.shownName.source, entry.shownName.comment));
    }
    return m_translatedColorNames;
}

void VendrelWidgetsUtils::createColorList(QList<QString>& names, QList<QString>& backgrounds,
                                          QList<QString>& foregrounds)
{
    const QStringList translatedNames = getTranslatedColorNames();
    for (const VendrelConstants::BandEntry& band : VendrelConstants::BandPalette) {
        names.append(translatedNames.at(band.background));
        backgrounds.append(VendrelConstants::PaletteHexCodes.at(band.background));
        foregrounds.append(VendrelConstants::PaletteHexCodes.at(band.foreground));
    }
}

MvComboBox* VendrelWidgetsUtils::createFontFamilyCombo(int minimumWidth)
{
    auto* combo = new MvComboBox(nullptr);
    combo->setMinimumWidth(minimumWidth);
    combo->setStyleSheet(
        QStringLiteral("QComboBox { border: 1px solid #c6c6c6; background: white; min-height: "
                       "35px; "
                       "padding-left: 6px; }"
                       "QComboBox::drop-down { width: 32px; border-left: 1px solid #c6c6c6; "
                       "background: #F5F5F5; }"
                       "QComboBox::down-arrow { image: "
                       "url(:/module_icons/ModuleIcons/combobox-down-arrow.png); }"
                       "QComboBox::down-arrow:disabled { "
                       "image: "
                       "url(:/module_icons/ModuleIcons/combobox-down-arrow-disabled.png); }"
                       "QComboBox QAbstractItemView { background: white; }"
                       "QComboBox QAbstractItemView::item { min-height: 35px; }"
                       "QScrollBar:vertical { width: 30px; }"
                       "QScrollBar:horizontal { height: 30px; }"
                       "QScrollBar::add-line, QScrollBar::sub-line { border: 1px solid #fd7800; "
                       "background: #fd7800; }"
                       "QScrollBar::handle { background: #464646; border: 1px solid #fd7800; "
                       "border-radius: 6px; }") +
        VendrelConstants::ScrollBarArrowsStyle);

    const QStringList families = CommonLists::createValidFontFamilies();
    combo->addItems(families);

    QString family;
    {
        const QSettings settings;
        family =
            settings
                .value(VendrelConstants::FontFamilySettingKey, VendrelConstants::DefaultFontFamily)
                .toString();
    }
    if (!families.contains(family)) {
        family = VendrelConstants::DefaultFontFamily;
        if (!families.contains(family))
            family = QApplication::font().family();
    }
    saveFontFamily(family);
    combo->setCurrentIndex(combo->findText(family, Qt::MatchExactly | Qt::MatchCaseSensitive));
    return combo;
}

void VendrelWidgetsUtils::saveFontFamily(const QString& family)
{
    QSettings settings;
    // Panels and labels store their family again and again; rewriting the settings
    // file for the value it holds costs two disk syncs each time.
    if (settings.value(VendrelConstants::FontFamilySettingKey).toString() == family)
        return;
    settings.setValue(VendrelConstants::FontFamilySettingKey, family);
}

void VendrelWidgetsUtils::setFontFamily(MvComboBox* combo, QString& family)
{
    if (!combo)
        return;
    const QString candidates[] = {family, VendrelConstants::DefaultFontFamily,
                                  QApplication::font().family()};
    const int last = int(std::size(candidates)) - 1;
    for (int i = 0; i <= last; ++i) {
        family = candidates[i];
        const int index = combo->findText(family, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0 && index == combo->currentIndex())
            return;
        // The application font is the last resort: select it even when the
        // list lacks it (clearing the selection) so the setting stays truthful.
        if (index >= 0 || i == last) {
            combo->setCurrentIndex(index);
            saveFontFamily(family);
            return;
        }
    }
}

double VendrelWidgetsUtils::updateUnits(MvComboBox* combo, const QList<QStandardItemModel*>& models,
                                        int units)
{
    if (units != UnitConversions::Inches && units != UnitConversions::Millimeters)
        return 1.0;

    DefaultUnitController::saveDefaultUnit(static_cast<unsigned char>(units));
    const UnitConversions::Units previous = UnitConversions::getCanvasUnits();
    UnitConversions::setCanvasUnits(static_cast<UnitConversions::Units>(units));
    const double factor = UnitConversions::convertOtherUnitsToUserUnits(previous);

    if (combo && units < models.size() && models.at(units)) {
        const int index = combo->currentIndex();
        combo->setModel(models.at(units));
        combo->setCurrentIndex(index);
    }
    return factor;
}

void VendrelWidgetsUtils::convertUnitsOnLineEdit(QLineEdit* edit, double factor)
{
    if (!edit || edit->text().isEmpty())
        return;
    // Fields hold dot decimals (C locale), the same form the validators accept.
    const double value = edit->text().toDouble(); // 0 when it does not parse
    edit->setText(QString::number(value * factor, 'f', 2));
}

void VendrelWidgetsUtils::animatedShow(QWidget* widget, const QPoint& start, const QPoint& end)
{
    if (!widget)
        return;
    widget->show();
    createSlideAnimation(widget, start, end)->start(QAbstractAnimation::DeleteWhenStopped);
}

void VendrelWidgetsUtils::animatedHide(QWidget* widget, const QPoint& end)
{
    if (!widget)
        return;
    QPropertyAnimation* animation = createSlideAnimation(widget, widget->pos(), end);
    QObject::connect(animation, &QPropertyAnimation::finished, widget, &QWidget::hide);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

bool VendrelWidgetsUtils::isVerticalArrowName(const QString& name)
{
    const QString lower = name.toLower();
    return lower.contains(QLatin1String("up")) || lower.contains(QLatin1String("down"));
}

void VendrelWidgetsUtils::arrowHighlightAction(ArrowsMenu* menu, QPushButton* button,
                                               unsigned int id)
{
    if (!button)
        return;
    if (button->isChecked()) {
        auto* effect = new QGraphicsColorizeEffect(button);
        effect->setColor(ArrowHighlightColor);
        button->setGraphicsEffect(effect);
        if (menu)
            menu->highlightSymbol(static_cast<int>(id));
    } else {
        removeHighlight(button);
        if (menu)
            menu->highlightSymbol(0);
    }
}

void VendrelWidgetsUtils::arrowSelectedAction(unsigned int id, const QByteArray& symbol,
                                              const QIcon& icon, QString name,
                                              QPushButton* leftButton, QPushButton* rightButton,
                                              unsigned int& leftId, unsigned int& rightId,
                                              PipeSignalEmitter* emitter)
{
    const bool vertical = isVerticalArrowName(name);
    const bool left = isChecked(leftButton);
    const bool right = isChecked(rightButton);
    if (left) {
        leftId = id;
        leftButton->setIcon(icon);
        if (emitter)
            emitter->emitLeftArrowChangedSignal(id, symbol, vertical);
    }
    if (right) {
        rightId = id;
        rightButton->setIcon(icon);
        if (emitter)
            emitter->emitRightArrowChangedSignal(id, symbol, vertical);
    }
}

void VendrelWidgetsUtils::leftArrowClickedAction(bool checked, ArrowsMenu* menu,
                                                 QPushButton* leftButton, QPushButton* rightButton,
                                                 unsigned int& leftId, unsigned int& rightId,
                                                 bool bothArrowsChecked, QFrame* arrowFrame,
                                                 const QPoint& hiddenPosition,
                                                 const QPoint& shownPosition)
{
    arrowClickedAction(checked, true, menu, leftButton, rightButton, leftId, rightId,
                       bothArrowsChecked, arrowFrame, hiddenPosition, shownPosition);
}

void VendrelWidgetsUtils::rightArrowClickedAction(bool checked, ArrowsMenu* menu,
                                                  QPushButton* leftButton, QPushButton* rightButton,
                                                  unsigned int& leftId, unsigned int& rightId,
                                                  bool bothArrowsChecked, QFrame* arrowFrame,
                                                  const QPoint& hiddenPosition,
                                                  const QPoint& shownPosition)
{
    arrowClickedAction(checked, false, menu, rightButton, leftButton, rightId, leftId,
                       bothArrowsChecked, arrowFrame, hiddenPosition, shownPosition);
}

void VendrelWidgetsUtils::applyBothArrowsAction(bool checked, ArrowsMenu* menu,
                                                QPushButton* leftButton, QPushButton* rightButton,
                                                unsigned int& leftId, unsigned int& rightId,
                                                PipeSignalEmitter* emitter)
{
    if (!checked) {
        // Keep only the side the user touched last.
        QPushButton* kept = m_isLeftSideSelected ? leftButton : rightButton;
        QPushButton* dropped = m_isLeftSideSelected ? rightButton : leftButton;
        const unsigned int keptId = m_isLeftSideSelected ? leftId : rightId;
        setCheckedQuietly(kept, true);
        arrowHighlightAction(menu, kept, keptId);
        setCheckedQuietly(dropped, false);
        removeHighlight(dropped);
        return;
    }

    if (isChecked(rightButton)) {
        setCheckedQuietly(leftButton, true);
        leftId = rightId;
        copySymbolToSide(menu, leftButton, leftId, emitter, true);
        arrowHighlightAction(menu, leftButton, leftId);
    } else {
        setCheckedQuietly(rightButton, true);
        rightId = leftId;
        copySymbolToSide(menu, rightButton, rightId, emitter, false);
        arrowHighlightAction(menu, rightButton, rightId);
    }
}

void VendrelWidgetsUtils::arrowMenuCloseAction(QPushButton* leftButton, QPushButton* rightButton,
                                               QFrame* arrowFrame, const QPoint& hiddenPosition)
{
    if (!arrowFrame || !arrowFrame->isVisible())
        return;
    setCheckedQuietly(leftButton, false);
    setCheckedQuietly(rightButton, false);
    removeHighlight(leftButton);
    removeHighlight(rightButton);
    animatedHide(arrowFrame, hiddenPosition);
}
