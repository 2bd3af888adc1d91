#include "vendrelmainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setOrganizationName(QStringLiteral("Morvantic"));
    app.setApplicationName(QStringLiteral("Vendrel"));
    auto* window = new VendrelMainWindow(QString(), false, VendrelMainWindow::VendrelWidget,
                                         QString(), nullptr);
    window->setFixedSize(1024, 540);
    window->show();
    const int result = app.exec();
    delete window;
    return result;
}
