#ifndef NAVIGATIONBAR_H
#define NAVIGATIONBAR_H

#include <QFrame>

class QHBoxLayout;
class QLayout;
class QPushButton;
class QWidget;

// The dark bar (#2b2b2b) across the top of an application window, in three
// areas from left to right:
//   add-on area       installAddon(): the application's own controls (menu
//                     button, module chooser), as wide as they need;
//   navigation area   installNavigationReplacement(): takes the remaining
//                     width (an application puts its warning line here);
//   close area        addCloseButton(): a square close button that emits
//                     closeSignal() when clicked.
// Installing a layout into an area replaces what was there before (the old
// widgets are deleted). The bar takes ownership of the layouts.
class NavigationBar : public QFrame
{
    Q_OBJECT

public:
    explicit NavigationBar(QWidget* parent = nullptr);

    void installAddon(QLayout* layout);
    void installNavigationReplacement(QLayout* layout);
    // Adds the close button once; later calls do nothing.
    void addCloseButton();
    // The close button, or nullptr before addCloseButton().
    QPushButton* closeButton() const;

signals:
    void closeSignal();

private:
    void installInto(QWidget*& area, QLayout* layout, int stretch, int position);

    QHBoxLayout* m_layout;
    QWidget* m_addonArea = nullptr;
    QWidget* m_navigationArea = nullptr;
    QPushButton* m_closeButton = nullptr;
};

#endif
