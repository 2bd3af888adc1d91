#include "kinds/labelkinds.h"
#include "kit/labelkind.h"
#include "kit/vendrelconstants.h"
#include "labelbatch.h"
#include "labelrenderer.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

#include "print/cupsqueue.h"
#include "print/printcontrollerlinux.h"
#include "print/printmessagehelper.h"
#include "widgets/commonlists.h"
#include "widgets/moduleresourceicons.h"
#include "widgets/mvmessagebox.h"

namespace {
enum ExitCode
{
    Done = 0,
    UsageError = 1,
    Refused = 2,
    OutputFailed = 3,
    SymbolsMissing = 4,
    PrintFailed = 5
};

// No one sits at the screen of a command-line tool, so a box that a label module
// shows (a batch makes labels through the editor's modules) would wait for ever.
// Its text goes to the log, which --verbose shows, and it is answered as closing
// it would be: its escape button, Cancel, else No, else its only button. The
// batch itself reports what stops it.
QMessageBox::StandardButton answerUnseenBox(const QString& title, const QString& text,
                                            QMessageBox::StandardButtons buttons)
{
    qWarning("%s: %s", qUtf8Printable(title), qUtf8Printable(text));
    for (const QMessageBox::StandardButton escape : {QMessageBox::Cancel, QMessageBox::No})
        if (buttons.testFlag(escape))
            return escape;
    const int bits = int(buttons);
    return (bits != 0 && (bits & (bits - 1)) == 0) ? QMessageBox::StandardButton(bits)
                                                   : QMessageBox::NoButton;
}

int fail(const QString& message, int code)
{
    QTextStream(stderr) << "vendrel-render: " << message << '\n';
    return code;
}

// Exit status of a batch that made every label it could, but not all.
constexpr int RowsSkipped = 6;

int makeBatch(const QString& list, const QString& templateFile, const LabelBatch::Output& output,
              bool verbose);

// The whole list as one job: the batch's PDF, each page its label's size. Without
// any printer it becomes a file in the print folder, as a single label's print does.
bool printBatch(const QString& pdf, QString printer, QTextStream& out, QString* problem)
{
    if (CupsQueue::printers().isEmpty()) {
        const QDir folder(PrintControllerLinux::printFolder());
        const QString target = folder.filePath(
            QStringLiteral("line-list-%1.pdf")
                .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"))));
        if (!folder.mkpath(QStringLiteral(".")) || !QFile::copy(pdf, target)) {
            *problem = QStringLiteral("cannot write %1").arg(target);
            return false;
        }
        out << "printed to " << target << '\n';
        return true;
    }
    if (printer.isEmpty())
        printer = CupsQueue::defaultPrinter();
    const int job =
        CupsQueue::submit(printer, pdf, QStringLiteral("line list"), 1, QSizeF(), problem);
    if (job <= 0)
        return false;
    out << "printed on " << printer << ", job " << job << '\n';
    return true;
}

int runBatch(const QString& list, const QString& templateFile, LabelBatch::Output output,
             bool verbose, bool print, const QString& printer)
{
    // Printed from a file of its own, which goes when the job has been queued.
    QTemporaryDir pages;
    if (print && output.pdf.isEmpty()) {
        if (!pages.isValid())
            return fail(QStringLiteral("cannot make a folder for the pages"), OutputFailed);
        output.pdf = pages.filePath(QStringLiteral("line-list.pdf"));
    }
    const int status = makeBatch(list, templateFile, output, verbose);
    if (!print || (status != Done && status != RowsSkipped))
        return status;
    QTextStream out(stdout);
    QString problem;
    if (!printBatch(output.pdf, printer, out, &problem))
        return fail(problem, PrintFailed);
    return status;
}

int makeBatch(const QString& list, const QString& templateFile, const LabelBatch::Output& output,
              bool verbose)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    LabelBatch batch(out, err);
    batch.setVerbose(verbose);
    batch.setShowProgress(isatty(fileno(stderr)) != 0);
    if (!templateFile.isEmpty() && !batch.setTemplate(templateFile))
        return fail(batch.error(), Refused);
    switch (batch.run(list, output)) {
    case LabelBatch::Status::Done:
        return Done;
    case LabelBatch::Status::RowsSkipped:
        return RowsSkipped;
    case LabelBatch::Status::Refused:
        return fail(batch.error(), Refused);
    case LabelBatch::Status::OutputFailed:
        return fail(batch.error(), OutputFailed);
    case LabelBatch::Status::SymbolsMissing:
        return fail(batch.error(), SymbolsMissing);
    }
    return Done;
}
} // namespace

// Draws label files without a display, for printing or archiving in batches.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("Vendrel"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(VendrelConstants::SoftwareVersion));
    Q_INIT_RESOURCE(module);
    qInitResources_module_resource_icons();
    CommonLists::createValidFontFamilies();
    MvMessageBox::setAnswerProvider(answerUnseenBox);

    QCommandLineParser parser;
    QStringList drawable;
    for (const LabelKind* kind : LabelKinds::all())
        if (kind->makeLoader)
            drawable << QString::fromLatin1(kind->extension);
    drawable << QStringLiteral("qyld");
    parser.setApplicationDescription(
        QStringLiteral("Draws a label file (%1) at its real size.\n\n"
                       "Exit status: 0 drawn, 1 bad arguments, 2 file refused, 3 output not "
                       "written, 4 arrow symbols missing (no symbol database in the data folder, "
                       "which MORVANTIC_DATA_ROOT names), 5 not printed.")
            .arg(drawable.join(QStringLiteral(", "))));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The label file."));
    const QCommandLineOption batch(
        QStringLiteral("batch"),
        QStringLiteral("Make one label per row of a line list (CSV with a header row) instead "
                       "of drawing a file, into one PDF (--pdf, a page per copy, its symbols drawn "
                       "at --dpi) or PNG images (--png-dir); one report line per row on stdout. "
                       "Exit status 6 when rows were skipped."),
        QStringLiteral("list"));
    const QCommandLineOption templateFile(
        QStringLiteral("template"),
        QStringLiteral("With --batch: every row starts from this label file."),
        QStringLiteral("file"));
    const QCommandLineOption pngDirectory(
        QStringLiteral("png-dir"),
        QStringLiteral("With --batch: write a PNG image of each label into this folder."),
        QStringLiteral("dir"));
    parser.addOptions({batch, templateFile, pngDirectory});
    const QCommandLineOption png(QStringLiteral("png"), QStringLiteral("Write a PNG image."),
                                 QStringLiteral("out"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("Write a PDF page."),
                                 QStringLiteral("out"));
    const QCommandLineOption svg(QStringLiteral("svg"), QStringLiteral("Write an SVG drawing."),
                                 QStringLiteral("out"));
    const QCommandLineOption dpi(QStringLiteral("dpi"),
                                 QStringLiteral("Resolution of the PNG image (default 300)."),
                                 QStringLiteral("n"), QStringLiteral("300"));
    const QCommandLineOption info(QStringLiteral("info"),
                                  QStringLiteral("Print the label's size, warning and items as "
                                                 "JSON."));
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     QStringLiteral("Also show the loaders' own messages."));
    const QCommandLineOption print(
        QStringLiteral("print"),
        QStringLiteral("Print on a CUPS printer (an empty name: the default one; without any "
                       "printer, a PDF file in the print folder)."),
        QStringLiteral("printer"));
    const QCommandLineOption copies(QStringLiteral("copies"),
                                    QStringLiteral("Copies to print (default 1)."),
                                    QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption listPrinters(QStringLiteral("list-printers"),
                                          QStringLiteral("List the printers CUPS offers."));
    parser.addOptions({png, pdf, svg, dpi, info, verbose, print, copies, listPrinters});
    if (!parser.parse(QCoreApplication::arguments()))
        return fail(parser.errorText(), UsageError);
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(Done);
    if (parser.isSet(batch)) {
        if (!parser.positionalArguments().isEmpty() || parser.isSet(png) || parser.isSet(svg) ||
            parser.isSet(info))
            return fail(QStringLiteral("--batch takes no label file, --png, --svg or --info"),
                        UsageError);
        if (!parser.isSet(pdf) && !parser.isSet(pngDirectory) && !parser.isSet(print))
            return fail(QStringLiteral("--batch needs --pdf, --png-dir or --print"), UsageError);
        bool dpiOk = false;
        const int dotsPerInch = parser.value(dpi).toInt(&dpiOk);
        if (!dpiOk || dotsPerInch < 10 || dotsPerInch > 2400)
            return fail(QStringLiteral("--dpi must be a whole number from 10 to 2400"), UsageError);
        return runBatch(parser.value(batch), parser.value(templateFile),
                        {parser.value(pdf), parser.value(pngDirectory), dotsPerInch},
                        parser.isSet(verbose), parser.isSet(print), parser.value(print));
    }
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    if (parser.isSet(listPrinters)) {
        QTextStream out(stdout);
        for (const CupsQueue::Printer& printer : CupsQueue::printers())
            out << printer.name << '\t' << (printer.isDefault ? "default" : "-") << '\t'
                << (printer.offline ? "offline" : "ready") << '\t'
                << (printer.remote ? "remote" : "local") << '\t' << printer.description << '\n';
        return Done;
    }

    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return fail(QStringLiteral("name exactly one label file (see --help)"), UsageError);
    if (!parser.isSet(png) && !parser.isSet(pdf) && !parser.isSet(svg) && !parser.isSet(info) &&
        !parser.isSet(print))
        return fail(QStringLiteral("choose at least one of --png, --pdf, --svg, --info, --print"),
                    UsageError);
    bool copiesOk = false;
    const int copyCount = parser.value(copies).toInt(&copiesOk);
    if (!copiesOk || copyCount < 1 || copyCount > 999)
        return fail(QStringLiteral("--copies must be a whole number from 1 to 999"), UsageError);
    bool dpiOk = false;
    const int dotsPerInch = parser.value(dpi).toInt(&dpiOk);
    if (!dpiOk || dotsPerInch < 10 || dotsPerInch > 2400)
        return fail(QStringLiteral("--dpi must be a whole number from 10 to 2400"), UsageError);

    LabelRenderer renderer;
    renderer.setVerbose(parser.isSet(verbose));
    if (!renderer.open(files.first()))
        return fail(files.first() + QStringLiteral(": ") + renderer.error(),
                    renderer.symbolsMissing() ? SymbolsMissing : Refused);

    if (parser.isSet(png) && !renderer.writePng(parser.value(png), dotsPerInch))
        return fail(renderer.error(), OutputFailed);
    if (parser.isSet(pdf) && !renderer.writePdf(parser.value(pdf)))
        return fail(renderer.error(), OutputFailed);
    if (parser.isSet(svg) && !renderer.writeSvg(parser.value(svg)))
        return fail(renderer.error(), OutputFailed);
    if (parser.isSet(info))
        QTextStream(stdout) << QJsonDocument(renderer.info()).toJson(QJsonDocument::Indented);
    if (parser.isSet(print)) {
        // The editor's own print path, without its window.
        PrintControllerLinux controller(false, renderer.canvas(), nullptr);
        controller.setPrinterName(parser.value(print));
        controller.setNumberOfCopies(copyCount);
        QString problem;
        QObject::connect(&controller, &PrintController::printErrorSignal,
                         [&problem](MvPrintingErrors::TamsyPrintError error) {
                             problem = PrintMessageHelper::text(error);
                         });
        QObject::connect(&controller, &PrintController::printErrorCodeSignal,
                         [&problem](MvPrintingErrors::TamsyPrintError error, const QString& code) {
                             problem = PrintMessageHelper::text(error, code);
                         });
        if (!controller.printCanvas())
            return fail(problem, PrintFailed);
        // A colour the ribbons lack is told, and the label printed.
        if (!problem.isEmpty())
            QTextStream(stderr) << "vendrel-render: warning: " << problem << '\n';
        const PrintControllerLinux::LastPrint last = controller.lastPrint();
        QTextStream out(stdout);
        if (last.job > 0)
            out << "printed on " << last.printer << ", job " << last.job << '\n';
        else
            out << "printed to " << last.file << '\n';
    }
    return Done;
}
