// An ammonia list file (VENDREL_FUZZ_LIST: Abbreviations or Components) read as
// the panel reads it: found in the user's folder, read, split into entries and
// sorted. Every entry read must then be found again by its own text, and an entry
// made sure of must be there afterwards; anything else is a fault of the lists.

#include "ammonia/ammonialistfile.h"
#include "ammonia/ammonialists.h"
#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QStandardItemModel>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {
constexpr AmmoniaListFile::Kind ListKind = AmmoniaListFile::VENDREL_FUZZ_LIST;
const QString LocaleName = QStringLiteral("en_US");
constexpr int LookedUpRows = 32;

struct Folders
{
    QTemporaryDir user;
    QString factory; // empty: only the user's list counts
    QString listPath;
};

Folders* folders = nullptr;

void fault(const char* what, const QString& entry)
{
    std::fprintf(stderr, "list fault: %s: \"%s\"\n", what, qUtf8Printable(entry));
    std::abort();
}

QString entryAt(const AmmoniaLists& lists, int row)
{
    return ListKind == AmmoniaListFile::Components ? lists.componentAt(row)
                                                   : lists.abbreviationAt(row);
}

bool found(const AmmoniaLists& lists, const QString& entry)
{
    return (ListKind == AmmoniaListFile::Components ? lists.findComponent(entry)
                                                    : lists.findAbbreviation(entry))
        .isValid();
}

AmmoniaLists::Lookup ensure(AmmoniaLists& lists, const QString& entry)
{
    return ListKind == AmmoniaListFile::Components ? lists.ensureComponent(entry)
                                                   : lists.ensureAbbreviation(entry);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv)
{
    FuzzSupport::start((*argv)[0]);
    folders = new Folders;
    folders->listPath =
        QDir(folders->user.path()).filePath(AmmoniaListFile::fileName(ListKind, LocaleName));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        QFile file(folders->listPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size)) {
            std::fprintf(stderr, "cannot write %s\n", qUtf8Printable(folders->listPath));
            std::abort();
        }
    }
    {
        AmmoniaLists lists;
        if (!lists.load(ListKind, LocaleName, folders->user.path(), folders->factory))
            fault("the list was not read", folders->listPath);
        const QStandardItemModel* model =
            ListKind == AmmoniaListFile::Components ? lists.components() : lists.abbreviations();
        // Each look-up walks the list: a few rows spread over it are looked up, not
        // every row, or a list of a thousand lines would cost a million comparisons.
        const int rows = model->rowCount();
        const int stride = qMax(1, rows / LookedUpRows);
        QString last;
        for (int row = 0; row < rows; row += stride) {
            const QString entry = entryAt(lists, row);
            if (!entry.trimmed().isEmpty() && !found(lists, entry))
                fault("an entry read is not found", entry);
            if (ListKind == AmmoniaListFile::Abbreviations)
                lists.explanationAt(row);
        }
        if (rows > 0)
            last = entryAt(lists, rows - 1);
        // What a label brings: the last entry in another case, and a name of its own.
        for (const QString& entry : {last.toLower(), QStringLiteral("C++ PUMP (A")}) {
            if (ensure(lists, entry) != AmmoniaLists::Lookup::Empty && !found(lists, entry))
                fault("an entry made sure of is not found", entry);
        }
    }
    FuzzSupport::finishInput();
    return 0;
}
