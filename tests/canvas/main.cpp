#include <QApplication>

int runTextItemTests(int argc, char** argv);
int runCanvasModelTests(int argc, char** argv);
int runSymbolDatabaseTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    failures += runTextItemTests(argc, argv);
    failures += runCanvasModelTests(argc, argv);
    failures += runSymbolDatabaseTests(argc, argv);
    return failures;
}
