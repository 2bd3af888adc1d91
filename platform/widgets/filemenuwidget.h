#ifndef FILEMENUWIDGET_H
#define FILEMENUWIDGET_H

#include "widgets/mvframe.h"

class QVBoxLayout;

// The file menu that slides down from the navigation bar: a light panel with
// an orange edge holding its entries in one column, each directly below the
// previous one (no spacing), from the top. Being an MvFrame it emits
// focusLost() when the focus moves elsewhere, which closes the menu.
class FileMenuWidget : public MvFrame
{
    Q_OBJECT

public:
    explicit FileMenuWidget(QWidget* parent = nullptr);

    // Appends an entry below the previous ones; the menu takes ownership.
    // A null item is ignored.
    void addMenuItem(QWidget* item);

    int menuItemCount() const;

private:
    QVBoxLayout* m_layout;
};

#endif
