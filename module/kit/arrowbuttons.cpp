#include "kit/arrowbuttons.h"

#include "kit/arrowsmenu.h"
#include "kit/panelstyle.h"
#include "kit/pipesignalemitter.h"
#include "kit/vendrelwidgetsutils.h"

#include <QFrame>
#include <QPushButton>

QPushButton* ArrowButtons::createButton(const QString& objectName, const QIcon& icon,
                                        QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(objectName);
    button->setCheckable(true);
    button->setFixedSize(IconWidth + 4, IconHeight + 4);
    button->setIconSize(QSize(IconWidth, IconHeight));
    button->setIcon(icon);
    button->setStyleSheet(PanelStyle::ToggleButtonStyle);
    return button;
}

ArrowButtons::ArrowButtons(ArrowsMenu* menu, QPushButton* left, QPushButton* right, QFrame* frame,
                           QWidget* cover, int gap, QObject* parent)
    : QObject(parent), m_menu(menu), m_left(left), m_right(right), m_frame(frame), m_cover(cover),
      m_gap(gap), m_emitter(new PipeSignalEmitter(this))
{
    connect(m_emitter, &PipeSignalEmitter::leftArrowChangedSignal, this,
            &ArrowButtons::leftArrowChangedSignal);
    connect(m_emitter, &PipeSignalEmitter::rightArrowChangedSignal, this,
            &ArrowButtons::rightArrowChangedSignal);
}

QPoint ArrowButtons::shownPosition() const
{
    return m_cover->pos();
}

QPoint ArrowButtons::hiddenPosition() const
{
    // Just off the cover's left edge: the panel clips the frame while it slides.
    return QPoint(m_cover->x() - m_frame->width() - m_gap, m_cover->y());
}

void ArrowButtons::setArrow(Side side, unsigned int id, const QIcon& icon)
{
    QPushButton* button = side == Left ? m_left : m_right;
    (side == Left ? m_leftId : m_rightId) = id;
    button->setIcon(icon);
    button->setChecked(false);
    button->setGraphicsEffect(nullptr);
    m_frame->hide();
}

void ArrowButtons::clicked(Side side, bool checked, bool applyToBoth)
{
    m_frame->raise();
    const auto action = side == Left ? &VendrelWidgetsUtils::leftArrowClickedAction
                                     : &VendrelWidgetsUtils::rightArrowClickedAction;
    action(checked, m_menu, m_left, m_right, m_leftId, m_rightId, applyToBoth, m_frame,
           hiddenPosition(), shownPosition());
}

void ArrowButtons::chosen(unsigned int id, const QByteArray& symbol, const QIcon& icon,
                          const QString& name)
{
    VendrelWidgetsUtils::arrowSelectedAction(id, symbol, icon, name, m_left, m_right, m_leftId,
                                             m_rightId, m_emitter);
}

void ArrowButtons::applyToBoth(bool checked)
{
    VendrelWidgetsUtils::applyBothArrowsAction(checked, m_menu, m_left, m_right, m_leftId,
                                               m_rightId, m_emitter);
}

void ArrowButtons::close()
{
    VendrelWidgetsUtils::arrowMenuCloseAction(m_left, m_right, m_frame, hiddenPosition());
}
