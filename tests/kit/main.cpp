#include <QApplication>

int runWidgetsUtilsTests(int argc, char** argv);
int runArrowsMenuTests(int argc, char** argv);
int runPanelPiecesTests(int argc, char** argv);
int runFluidCategoriesTests(int argc, char** argv);
int runLegendLibraryTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("VendrelKitTest"));
    int failures = 0;
    failures += runWidgetsUtilsTests(argc, argv);
    failures += runArrowsMenuTests(argc, argv);
    failures += runPanelPiecesTests(argc, argv);
    failures += runFluidCategoriesTests(argc, argv);
    failures += runLegendLibraryTests(argc, argv);
    return failures;
}
