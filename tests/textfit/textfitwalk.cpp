#include "textfitwalk.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTextDocument>
#include <QToolButton>

namespace {
QString describe(const QWidget* widget, const QString& text, int needed, int available)
{
    QString name = widget->objectName();
    if (name.isEmpty() && widget->parentWidget())
        name = QStringLiteral("(in %1)").arg(widget->parentWidget()->objectName());
    return QStringLiteral("%1 %2 \"%3\": needs %4 px, has %5")
        .arg(QString::fromLatin1(widget->metaObject()->className()), name, text)
        .arg(needed)
        .arg(available);
}

int widestLine(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return widest;
}

void checkLabel(const QLabel* label, QStringList* clipped)
{
    const QString text = label->text();
    if (text.isEmpty() || !label->pixmap(Qt::ReturnByValue).isNull() || Qt::mightBeRichText(text))
        return;
    const QRect room = label->contentsRect().marginsRemoved(
        QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
    if (label->wordWrap()) {
        const int needed = label->heightForWidth(label->width());
        if (needed > label->height())
            clipped->append(describe(label, text, needed, label->height()) +
                            QStringLiteral(" (height, wrapped)"));
        return;
    }
    // A blank at the end of a caption cannot be seen cut.
    QString shown = text;
    while (shown.endsWith(QLatin1Char(' ')))
        shown.chop(1);
    const int needed = widestLine(label->fontMetrics(), shown) + qMax(0, label->indent());
    if (needed > room.width())
        clipped->append(describe(label, text, needed, room.width()));
}

void checkButton(const QAbstractButton* button, QStringList* clipped)
{
    const QString text = button->text();
    if (text.isEmpty())
        return;
    int needed = widestLine(button->fontMetrics(), text);
    int room = button->width();
    if (const auto* tool = qobject_cast<const QToolButton*>(button)) {
        // Under or without its icon the text has the whole width but the frame.
        if (tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon && !tool->icon().isNull())
            needed += tool->icon().actualSize(tool->iconSize()).width() + 4;
        room -= 4;
    } else {
        // The room the style leaves for the contents: inside borders and padding,
        // beside the indicator of a check box or a radio button.
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        if (qobject_cast<const QCheckBox*>(button))
            contents = QStyle::SE_CheckBoxContents;
        else if (qobject_cast<const QRadioButton*>(button))
            contents = QStyle::SE_RadioButtonContents;
        room = button->style()->subElementRect(contents, &option, button).width();
        // A picture is drawn at its own size within the icon size, never larger.
        if (!button->icon().isNull())
            needed += button->icon().actualSize(button->iconSize()).width() + 4;
    }
    if (needed > room)
        clipped->append(describe(button, text, needed, room));
}

void checkCombo(const QComboBox* combo, QStringList* clipped)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    const int room =
        combo->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
            .width();
    // Every entry may be chosen, and then stands in the field; but the families of
    // the installed fonts are the machine's own names, and only the chosen one counts.
    const bool ownEntries = combo->objectName() != QLatin1String("FontFamilyCombo");
    for (int i = ownEntries ? 0 : combo->currentIndex(); i >= 0 && i < combo->count(); ++i) {
        if (!ownEntries && i != combo->currentIndex())
            break;
        const QString text = combo->itemText(i);
        int needed = combo->fontMetrics().horizontalAdvance(text);
        if (!combo->itemIcon(i).isNull())
            needed += combo->itemIcon(i).actualSize(combo->iconSize()).width() + 4;
        if (needed > room)
            clipped->append(describe(combo, text, needed, room));
    }
}
} // namespace

QStringList TextFitWalk::clippedTexts(QWidget* top)
{
    QStringList clipped;
    const QList<QWidget*> widgets = top->findChildren<QWidget*>();
    for (const QWidget* widget : widgets) {
        if (!widget->isVisible() || widget->width() <= 0)
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            checkLabel(label, &clipped);
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            checkButton(button, &clipped);
        else if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            checkCombo(combo, &clipped);
    }
    return clipped;
}
