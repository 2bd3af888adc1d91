#include "kit/titledframe.h"

#include "kit/panelstyle.h"
#include "kit/vendrelconstants.h"

#include <QLabel>
#include <QVBoxLayout>

TitledFrame::TitledFrame(const QString& objectName, const QString& title, QWidget* parent)
    : QFrame(parent)
{
    setObjectName(objectName);
    setStyleSheet(QStringLiteral("#%1 { background-color: #F2F2F2; }").arg(objectName));

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);

    m_titleBar = new QLabel(title, this);
    m_titleBar->setFixedHeight(TitleBarHeight);
    m_titleBar->setFont(PanelStyle::font(PanelStyle::TitlePixelSize, true));
    m_titleBar->setIndent(10);
    m_titleBar->setStyleSheet(VendrelConstants::DarkBackgroundStyle + QStringLiteral("; ") +
                              VendrelConstants::WhiteTextStyle);
    m_layout->addWidget(m_titleBar);
}

void TitledFrame::setBody(QLayout* body, BodyHeight height)
{
    if (height == BodyHeight::Fill) {
        m_layout->addLayout(body, 1);
        return;
    }
    m_layout->addLayout(body);
    m_layout->addStretch(1);
}

QLabel* TitledFrame::titleBar() const
{
    return m_titleBar;
}
