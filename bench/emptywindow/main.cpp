#include "shownreporter.h"

#include <QApplication>
#include <QWidget>

// An empty window of the editor's fixed size: what any Qt program pays before its
// first window is on the screen, against which the editor's start-up is judged.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(1024, 540);
    ShownReporter::watchIfAsked(&window);
    window.show();
    return QApplication::exec();
}
