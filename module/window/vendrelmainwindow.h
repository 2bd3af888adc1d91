#ifndef VENDRELMAINWINDOW_H
#define VENDRELMAINWINDOW_H

#include "vendrelexport.h"

#include <QString>
#include <QWidget>

class VENDREL_EXPORT VendrelMainWindow : public QWidget
{
    Q_OBJECT

public:
    enum VendrelWidgetTypes { VendrelWidget = 0, AmmoniaWidget = 1, ArrowWrapWidget = 2 };
    Q_ENUM(VendrelWidgetTypes)

    VendrelMainWindow(QString printerSelection, bool testMode, VendrelWidgetTypes kind,
                      QString filePath, QWidget* parent = nullptr);
    ~VendrelMainWindow() override;

    void show();

private:
    bool m_testMode;
    VendrelWidgetTypes m_currentKind;
};

#endif
