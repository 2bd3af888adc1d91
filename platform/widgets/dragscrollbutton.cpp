#include "widgets/dragscrollbutton.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>

namespace {
// QCommonStyle leaves this many pixels between a push button's icon and text.
constexpr int IconTextSpacing = 4;

void scrollBy(QScrollBar* bar, int delta)
{
    if (bar && delta != 0)
        bar->setValue(bar->value() + delta);
}
} // namespace

DragScrollButton::DragScrollButton(const QIcon& icon, const QString& text, QWidget* parent)
    : QPushButton(icon, text, parent)
{
}

DragScrollButton::DragScrollButton(QWidget* parent) : QPushButton(parent) {}

bool DragScrollButton::isDragScrolling() const
{
    return m_dragging;
}

QAbstractScrollArea* DragScrollButton::scrollArea() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* area = qobject_cast<QAbstractScrollArea*>(w))
            return area;
    }
    return nullptr;
}

void DragScrollButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        m_dragging = false;
        m_pressPos = event->globalPos();
        m_lastPos = m_pressPos;
    }
    QPushButton::mousePressEvent(event);
}

void DragScrollButton::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressed && !m_dragging && (event->buttons() & Qt::LeftButton)) {
        const bool farEnough = (event->globalPos() - m_pressPos).manhattanLength() >=
                               QApplication::startDragDistance();
        if (farEnough && scrollArea()) {
            // From here on the gesture belongs to the scroll area: the button
            // lets go, so lifting the finger cannot click it.
            m_dragging = true;
            setDown(false);
        }
    }
    if (!m_dragging) {
        QPushButton::mouseMoveEvent(event);
        return;
    }
    if (QAbstractScrollArea* area = scrollArea()) {
        // Content follows the finger: moving up reveals what lies below.
        const QPoint delta = m_lastPos - event->globalPos();
        scrollBy(area->verticalScrollBar(), delta.y());
        scrollBy(area->horizontalScrollBar(), delta.x());
    }
    m_lastPos = event->globalPos();
    event->accept();
}

void DragScrollButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = false;
        if (m_dragging) {
            m_dragging = false;
            setDown(false);
            event->accept();
            return;
        }
    }
    QPushButton::mouseReleaseEvent(event);
}

void DragScrollButton::fitButtonText(QPushButton* button, int minPointSize, int extraMargin)
{
    if (!button)
        return;
    QString text = button->text();
    if (text.isEmpty())
        return;
    // A text shortened by an earlier call is fitted again from the full text.
    if (text.endsWith(QChar(0x2026)) && !button->toolTip().isEmpty() &&
        button->toolTip().startsWith(text.left(text.size() - 1)))
        text = button->toolTip();

    QStyleOptionButton option;
    option.initFrom(button);
    option.text = text;
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    if (button->isFlat())
        option.features |= QStyleOptionButton::Flat;
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    int available = contents.width() - qMax(0, extraMargin);
    if (!button->icon().isNull())
        available -= button->iconSize().width() + IconTextSpacing;
    available = qMax(0, available);

    QFont font = button->font();
    qreal pointSize = font.pointSizeF();
    if (pointSize <= 0) // the font was given in pixels
        pointSize = QFontInfo(font).pointSizeF();
    const qreal minimum = qMax(1, minPointSize);

    auto fits = [&](const QFont& f) {
        return QFontMetrics(f).horizontalAdvance(text) <= available;
    };
    bool changed = false;
    while (!fits(font) && pointSize > minimum) {
        pointSize = qMax(minimum, pointSize - 1);
        font.setPointSizeF(pointSize);
        changed = true;
    }
    if (changed)
        button->setFont(font);

    if (fits(font)) {
        button->setText(text);
        if (button->toolTip() == text)
            button->setToolTip(QString());
        return;
    }
    button->setText(QFontMetrics(font).elidedText(text, Qt::ElideRight, available));
    button->setToolTip(text);
}
