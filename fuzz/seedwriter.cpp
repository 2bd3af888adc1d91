// vendrel-fuzz-seeds FOLDER
//
// Writes the fuzz targets' seed corpora into FOLDER/<corpus>/ with the editor's
// own writers: the label files of every kind with a headless loader, saved by the
// file controller from labels of the module the kind's row makes, new and set up
// through the panel's slots (each also without its preview, which keeps the fuzzer
// on the record), generic labels written from those labels' canvases, the help files of the data
// root, and the ammonia list files: the factory lists and small lists written by the list writer.
// The seeds are checked in; run this again after a format changes.

#include "ammonia/ammoniacontroller.h"
#include "ammonia/ammoniaeditwidget.h"
#include "ammonia/ammonialistfile.h"
#include "files/labelfileheader.h"
#include "files/pipefilecontroller.h"
#include "fuzzsupport.h"
#include "kinds/labelkinds.h"
#include "kit/arrowsmenu.h"
#include "kit/ivendrelinterface.h"
#include "kit/labelkind.h"
#include "kit/vendrelwidgetsutils.h"
#include "pipe/vendrelcontroller.h"
#include "pipe/vendreleditwidget.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdlib>
#include <functional>
#include <memory>

#include "canvas/mvcanvasmodel.h"
#include "files/genericlabelwriter.h"
#include "widgets/dataroot.h"

namespace {
// A label of one kind, set up through its module's panel slots.
struct Seed
{
    const char* name;
    std::function<void(IVendrelInterface&)> setUp;
};

// A seed whose set-up takes the kind's own controller.
template <typename Controller> Seed seed(const char* name, std::function<void(Controller&)> setUp)
{
    return {name, [setUp](IVendrelInterface& module) {
                auto* controller = dynamic_cast<Controller*>(&module);
                if (!controller) {
                    QTextStream(stderr) << "vendrel-fuzz-seeds: another kind's module\n";
                    std::abort();
                }
                setUp(*controller);
            }};
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The same file with an empty preview marker in place of the picture.
QByteArray withoutPreview(const QByteArray& file, const QString& path, const QString& format)
{
    QByteArray bytes = file;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QDataStream stream(&buffer);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    if (!LabelFileHeader::read(stream, path, {format}).isOk())
        return QByteArray();
    const qint64 headerEnd = buffer.pos();
    if (!LabelFileHeader::skipPreview(stream).isOk())
        return QByteArray();
    QByteArray stripped = file.left(int(headerEnd));
    stripped.append(QByteArray(4, '\0'));
    stripped.append(file.mid(int(buffer.pos())));
    return stripped;
}

template <typename Controller> QByteArray arrow(Controller& label, int id)
{
    return label.editWidget()->getSymbolsMenu()->getSymbol(id);
}

QList<Seed> pipeSeeds()
{
    using Label = VendrelController;
    return {
        seed<Label>("steam-arrow",
                    [](Label& label) {
                        label.colorChangedSlot(QColor(QStringLiteral("#dc0b0b")), Qt::white);
                        label.pipeTextChangedSlot(QStringLiteral("STEAM"));
                        label.leftArrowChangedSlot(2, arrow(label, 2), false);
                    }),
        seed<Label>("portrait-wrap",
                    [](Label& label) {
                        label.colorChangedSlot(QColor(QStringLiteral("#fedb00")), Qt::black);
                        label.pipeTextChangedSlot(QStringLiteral("NATURAL GAS 2 BAR"));
                        label.orientationSlot(true);
                        label.wrapSlot(true);
                        label.topSlot(true);
                        label.leftArrowChangedSlot(3, arrow(label, 3), true);
                        label.rightArrowChangeSlot(2, arrow(label, 2), false);
                    }),
        seed<Label>("fit-text",
                    [](Label& label) {
                        label.colorChangedSlot(QColor(QStringLiteral("#248d4f")), Qt::white);
                        label.resizeLabelSlot(1);
                        label.lengthChangedSlot(QStringLiteral("12"));
                        label.widthChangedSlot(QStringLiteral("2"));
                        label.pipeTextChangedSlot(
                            QStringLiteral("COOLING WATER RETURN \u2192 TOWER"));
                        label.rightArrowChangeSlot(2, arrow(label, 2), false);
                    }),
        seed<Label>("no-resize-large",
                    [](Label& label) {
                        label.pipeDiameterChangedSlot(5);
                        label.resizeLabelSlot(2);
                        label.fontHeightChangedSlot(QStringLiteral("3.5"));
                        label.pipeTextChangedSlot(QStringLiteral("AIR"));
                    }),
    };
}

QList<Seed> ammoniaSeeds()
{
    using Label = AmmoniaController;
    return {
        seed<Label>("hsd-vap-high-arrows",
                    [](Label& label) {
                        label.abbrevChangedSlot(QStringLiteral("HSD"));
                        label.vapStateChangedSlot(true);
                        label.highPressureChangedSlot(true);
                        label.leftArrowChangedSlot(2, arrow(label, 2), false);
                        label.rightArrowChangeSlot(3, arrow(label, 3), false);
                    }),
        seed<Label>("component-low-yellow",
                    [](Label& label) {
                        label.moduleChangedSlot(false);
                        label.compChangedSlot(QStringLiteral("COMPRESSOR 1"));
                        label.liqStateChangedSlot(true);
                        label.lowPressureChangedSlot(true);
                        label.colorChangedSlot(QColor(QStringLiteral("#fedb00")));
                    }),
    };
}

// Generic labels by name, written from the seeds' canvases.
QList<QPair<QString, QByteArray>> genericLabels;

// The seeds of each kind beyond a new label, by extension. A kind without an
// entry still gets the new label's seeds.
QHash<QString, QList<Seed>> kindSeeds()
{
    return {
        {QStringLiteral("qypm"), pipeSeeds()},
        {QStringLiteral("qyam"), ammoniaSeeds()},
    };
}

// Saves a new label and each seed's label of the kind, made by the kind's row,
// with the file controller into out/<extension>/, the first with its preview too,
// so that the walk through the preview's chunks is fuzzed.
bool writeLabelSeeds(const LabelKind& kind, const QList<Seed>& kindOwn, const QDir& out,
                     const QString& scratch)
{
    const QString format = QString::fromLatin1(kind.extension);
    QDir().mkpath(out.filePath(format));
    const QList<Seed> seeds = QList<Seed>{{"new", [](IVendrelInterface&) {}}} + kindOwn;
    bool first = true;
    for (const Seed& seed : seeds) {
        const std::unique_ptr<IVendrelInterface> label(kind.makeModule(kind, nullptr));
        seed.setUp(*label);
        PipeFileController files;
        files.setContentModule(label.get());
        const QString name = QString::fromLatin1(seed.name);
        const QString saved = scratch + QLatin1Char('/') + name + QLatin1Char('.') + format;
        if (!files.saveTemplateToFile(saved))
            return false;
        const QByteArray bytes = readFile(saved);
        const QByteArray stripped = withoutPreview(bytes, saved, format);
        const QString stem = out.filePath(format + QLatin1Char('/') + name);
        if (stripped.isEmpty() ||
            (first && !writeFile(stem + QStringLiteral("-preview.") + format, bytes)) ||
            !writeFile(stem + QLatin1Char('.') + format, stripped))
            return false;
        first = false;
        genericLabels.append(
            {format + QLatin1Char('-') + name, GenericLabelWriter(label->getCanvas()).toBytes()});
    }
    return true;
}

bool writeGenericSeeds(const QDir& out)
{
    QDir().mkpath(out.filePath(QStringLiteral("qyld")));
    const MvCanvasModel empty(QList<QColor>{Qt::black, Qt::white}, 13824, 13824, 288, 36);
    genericLabels.append({QStringLiteral("empty"), GenericLabelWriter(&empty).toBytes()});
    for (const auto& label : qAsConst(genericLabels))
        if (!writeFile(
                out.filePath(QStringLiteral("qyld/") + label.first + QStringLiteral(".qyld")),
                label.second))
            return false;
    return true;
}

bool writeHelpSeeds(const QDir& out)
{
    QDir().mkpath(out.filePath(QStringLiteral("help_faq")));
    const QDir help(DataRoot::path() + QStringLiteral("Help"));
    const QStringList files = help.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    for (const QString& name : files)
        if (!writeFile(out.filePath(QStringLiteral("help_faq/") + name),
                       readFile(help.filePath(name))))
            return false;
    return !files.isEmpty();
}
// Each kind's factory lists of every language, and lists that the panel's writer
// makes from entries a user or a label may bring: mixed case, characters that
// mean something to a pattern, an explanation left empty.
bool writeListSeeds(const QDir& out)
{
    const QDir factory(VendrelWidgetsUtils::getDefaultConfigPath());
    const QList<QPair<AmmoniaListFile::Kind, QString>> kinds = {
        {AmmoniaListFile::Abbreviations, QStringLiteral("ammonia_abbreviations")},
        {AmmoniaListFile::Components, QStringLiteral("ammonia_components")},
    };
    const QList<QStringList> written = {
        {QStringLiteral("HSD\tHigh Stage Discharge"), QStringLiteral("hgd\thot gas defrost"),
         QStringLiteral("RV\t"), QStringLiteral("ES")},
        {QStringLiteral("C++ PUMP"), QStringLiteral("A(B"), QStringLiteral("compressor 1"),
         QStringLiteral("Oil Separator")},
    };
    for (int i = 0; i < kinds.size(); ++i) {
        const QString folder = out.filePath(kinds[i].second);
        QDir().mkpath(folder);
        const QString pattern = AmmoniaListFile::fileName(kinds[i].first, QStringLiteral("*"));
        const QStringList lists = factory.entryList({pattern}, QDir::Files, QDir::Name);
        for (const QString& name : lists)
            if (!writeFile(QDir(folder).filePath(name), readFile(factory.filePath(name))))
                return false;
        if (lists.isEmpty() ||
            !AmmoniaListFile::write(QDir(folder).filePath(QStringLiteral("written.cfg")),
                                    written[i]))
            return false;
    }
    return true;
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        QTextStream(stderr) << "usage: vendrel-fuzz-seeds FOLDER\n";
        return 1;
    }
    // Saving notes the file in the settings' history: keep that out of the user's.
    QTemporaryDir scratch;
    qputenv("HOME", QFile::encodeName(scratch.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(scratch.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(scratch.path()));
    FuzzSupport::start(argv[0]);

    const QDir out(QString::fromLocal8Bit(argv[1]));
    // Every kind that a file can hold, that is every kind with a headless loader.
    const QHash<QString, QList<Seed>> seeds = kindSeeds();
    for (const LabelKind* kind : LabelKinds::all()) {
        if (kind->makeLoader &&
            !writeLabelSeeds(*kind, seeds.value(QString::fromLatin1(kind->extension)), out,
                             scratch.path())) {
            QTextStream(stderr) << "vendrel-fuzz-seeds: could not write the seeds of "
                                << kind->extension << "\n";
            return 2;
        }
    }
    if (!writeGenericSeeds(out) || !writeHelpSeeds(out) || !writeListSeeds(out)) {
        QTextStream(stderr) << "vendrel-fuzz-seeds: could not write the seeds\n";
        return 2;
    }
    return 0;
}
