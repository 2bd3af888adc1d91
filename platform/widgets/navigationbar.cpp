#include "widgets/navigationbar.h"

#include "widgets/moduleresourceicons.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>

namespace {
const QColor BarColor(QStringLiteral("#2b2b2b"));
constexpr int CloseButtonSide = 54;
} // namespace

NavigationBar::NavigationBar(QWidget* parent) : QFrame(parent), m_layout(new QHBoxLayout(this))
{
    qInitResources_module_resource_icons();
    // The colour lives in the palette rather than in a style sheet, so that
    // the window's own style sheets for the bar's content are not disturbed.
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, BarColor);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    // Keeps the close area at the right edge while the navigation area is
    // empty.
    m_layout->addStretch(1);
}

void NavigationBar::installInto(QWidget*& area, QLayout* layout, int stretch, int position)
{
    if (area) {
        m_layout->removeWidget(area);
        delete area;
        area = nullptr;
    }
    if (!layout)
        return;
    area = new QWidget(this);
    area->setLayout(layout);
    m_layout->insertWidget(position, area, stretch);
}

void NavigationBar::installAddon(QLayout* layout)
{
    installInto(m_addonArea, layout, 0, 0);
}

void NavigationBar::installNavigationReplacement(QLayout* layout)
{
    // The navigation area sits right after the add-on area and takes the
    // place of the spacer while it exists.
    const int position = m_addonArea ? 1 : 0;
    installInto(m_navigationArea, layout, 1, position);
    QLayoutItem* spacer = nullptr;
    for (int i = 0; i < m_layout->count(); ++i) {
        if (m_layout->itemAt(i)->spacerItem())
            spacer = m_layout->itemAt(i);
    }
    if (m_navigationArea && spacer) {
        m_layout->removeItem(spacer);
        delete spacer;
    } else if (!m_navigationArea && !spacer) {
        m_layout->insertStretch(position, 1);
    }
}

void NavigationBar::addCloseButton()
{
    if (m_closeButton)
        return;
    m_closeButton = new QPushButton(this);
    m_closeButton->setObjectName(QStringLiteral("navigationCloseButton"));
    m_closeButton->setFixedSize(CloseButtonSide, CloseButtonSide);
    m_closeButton->setIcon(QIcon(QStringLiteral(":/Navigation/NavigationIcons/close.png")));
    m_closeButton->setIconSize(QSize(CloseButtonSide, CloseButtonSide));
    m_closeButton->setFocusPolicy(Qt::NoFocus);
    m_closeButton->setToolTip(tr("Close", "Tool tip of the button that closes the application."));
    m_closeButton->setStyleSheet(
        QStringLiteral("QPushButton { border: none; background-color: #2b2b2b; }"
                       "QPushButton:pressed { background-color: #fd7800; }"));
    m_layout->addWidget(m_closeButton, 0, Qt::AlignRight | Qt::AlignVCenter);
    connect(m_closeButton, &QPushButton::clicked, this, &NavigationBar::closeSignal);
}

QPushButton* NavigationBar::closeButton() const
{
    return m_closeButton;
}
