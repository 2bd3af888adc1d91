#include "widgets/filemenuwidget.h"

#include <QVBoxLayout>

FileMenuWidget::FileMenuWidget(QWidget* parent) : MvFrame(parent), m_layout(new QVBoxLayout(this))
{
    // Selected by class, so an object name given by the window does not
    // lose the look.
    setStyleSheet(QStringLiteral("FileMenuWidget { background-color: #f2f2f2;"
                                 " border: 1px solid #fd7800; border-top: none; }"));
    m_layout->setSpacing(0);
    // Entries are 10 px narrower than the menu: its 1 px edge and 4 px on
    // either side keep them off the orange line.
    m_layout->setContentsMargins(4, 0, 4, 1);
    m_layout->setAlignment(Qt::AlignTop);
}

void FileMenuWidget::addMenuItem(QWidget* item)
{
    if (!item)
        return;
    m_layout->addWidget(item, 0, Qt::AlignHCenter);
}

int FileMenuWidget::menuItemCount() const
{
    return m_layout->count();
}
