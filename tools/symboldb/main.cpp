// vendrel-symboldb: builds a symbol database from a manifest and SVG files.
#include "symboldbbuilder.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    // Runs during the build, where no display is to be expected.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("vendrel-symboldb"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Builds a symbol database from a manifest.json and the SVG files it names."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("manifest"), QStringLiteral("The manifest.json."));
    parser.addPositionalArgument(QStringLiteral("output"),
                                 QStringLiteral("The .db file to write."));
    parser.process(app);

    QTextStream err(stderr);
    const QStringList args = parser.positionalArguments();
    if (args.size() != 2) {
        err << "vendrel-symboldb: error: expected a manifest and an output file\n"
            << parser.helpText();
        return 2;
    }

    SymbolDatabaseBuilder builder;
    if (!builder.build(args.at(0), args.at(1))) {
        err << "vendrel-symboldb: error: " << builder.errorString() << '\n';
        return 1;
    }
    QTextStream(stdout) << "vendrel-symboldb: wrote " << builder.symbolCount() << " symbols to "
                        << args.at(1) << '\n';
    return 0;
}
