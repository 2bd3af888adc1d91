#include "ammoniabenchmarks.h"
#include "arrowwrapbenchmarks.h"
#include "benchlabels.h"
#include "filebenchmarks.h"
#include "layoutbenchmarks.h"
#include "summaryreporter.h"

#include <QApplication>
#include <QFont>
#include <QSettings>
#include <QTemporaryDir>

#include "widgets/commonlists.h"
#include "widgets/moduleresourceicons.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

// The editor's benchmarks, run headless. Besides Google Benchmark's own flags:
//   --vendrel_summary=FILE   append "<benchmark> <counter> <median>" lines to FILE
//   --vendrel_labels=FOLDER  also save the benchmark labels there (<name>.qypm), for
//                            the benchmarks that time whole programs
//   --vendrel_quick          a tenth of the passes, one repetition (to try them out
//                            or to profile them)
int main(int argc, char* argv[])
{
    std::string summary;
    QString labelFolder;
    bool quick = false;
    std::vector<char*> arguments;
    for (int i = 0; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strncmp(argument, "--vendrel_summary=", 18) == 0)
            summary = argument + 18;
        else if (std::strncmp(argument, "--vendrel_labels=", 17) == 0)
            labelFolder = QString::fromLocal8Bit(argument + 17);
        else if (std::strcmp(argument, "--vendrel_quick") == 0)
            quick = true;
        else
            arguments.push_back(argv[i]);
    }
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data()))
        return 1;

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Set up as the editor's launcher does, so fonts, settings and icons are the
    // editor's.
    QApplication application(count, arguments.data());
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("morvantic.com"));
    QCoreApplication::setApplicationName(QStringLiteral("Vendrel"));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    application.setProperty("uid", QStringLiteral("0f8fad5b-d9cb-469f-a165-70867728950e"));
    Q_INIT_RESOURCE(module);
    qInitResources_module_resource_icons();
    CommonLists::createValidFontFamilies();
    QFont font = QApplication::font();
    font.setFamily(QString::fromLatin1(CommonLists::SuiteFontFamily));
    font.setPixelSize(16);
    QApplication::setFont(font);

    QTemporaryDir folder;
    BenchLabels::setFolder(folder.path());
    if (!folder.isValid() || !BenchLabels::writeFiles(folder.path()) ||
        !writeAmmoniaFiles(folder.path()) || !writeArrowWrapFiles(folder.path()) ||
        (!labelFolder.isEmpty() && !BenchLabels::writeFiles(labelFolder))) {
        std::fprintf(stderr, "vendrel-bench-editor: cannot write the benchmark labels\n");
        return 1;
    }

    registerLayoutBenchmarks(quick);
    registerFileBenchmarks(quick);
    registerAmmoniaBenchmarks(quick);
    registerArrowWrapBenchmarks(quick);
    SummaryReporter reporter(summary);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
