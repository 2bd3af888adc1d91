#include "vendrelmainwindow.h"

VendrelMainWindow::VendrelMainWindow(QString printerSelection, bool testMode,
                                     VendrelWidgetTypes kind, QString filePath, QWidget* parent)
    : QWidget(parent), m_testMode(testMode), m_currentKind(kind)
{
    Q_UNUSED(printerSelection)
    Q_UNUSED(filePath)
    setObjectName(QStringLiteral("VendrelMainWindow"));
    setWindowTitle(tr("Pipe Marking"));
    setMinimumSize(1024, 540);
}

VendrelMainWindow::~VendrelMainWindow() = default;

void VendrelMainWindow::show()
{
    QWidget::show();
}
