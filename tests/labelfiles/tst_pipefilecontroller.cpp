#include "files/labelfileheader.h"
#include "files/pipefilecontroller.h"
#include "kinds/labelkinds.h"
#include "pipe/vendrelcontroller.h"
#include "plainlabelmodule.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "analytics/analyticslibrary.h"
#include "canvas/mvcanvasmodel.h"
#include "canvas/simpletextitem.h"
#include "files/filecontrollertools.h"
#include "widgets/mvfiledialog.h"
#include "widgets/mvmessagebox.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
QStringList loggedMessages;
QStringList loggedWarnings;
void captureMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg)
        loggedMessages << message;
    if (type == QtWarningMsg)
        loggedWarnings << message;
}

// Tests run as root, which writes wherever it likes; without these capabilities it
// meets file permissions as every user does. They are given back at the end.
class PermissionsApply
{
public:
    PermissionsApply()
    {
        if (geteuid() != 0) {
            m_applied = true;
            return;
        }
        if (syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &=
            ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        m_dropped = syscall(SYS_capset, &m_header, reduced) == 0;
        m_applied = m_dropped;
    }
    ~PermissionsApply()
    {
        if (m_dropped)
            syscall(SYS_capset, &m_header, m_saved);
    }
    bool applied() const { return m_applied; }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2] = {};
    bool m_dropped = false;
    bool m_applied = false;
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
} // namespace

class BrokenRecordModule : public IVendrelInterface
{
public:
    explicit BrokenRecordModule(PlainLabelModule* real) : m_real(real)
    {
        setCanvas(real->getCanvas());
    }
    void startWizard() override {}
    void newPipeInfo() override { m_real->newPipeInfo(); }
    void savePipeInfo(QDataStream& stream) override
    {
        m_real->savePipeInfo(stream);
        stream.setStatus(QDataStream::WriteFailed);
    }
    void loadPipeInfo(QDataStream& stream) override
    {
        // Reads one more field than any file holds: the record is cut short.
        double missing = 0;
        stream >> missing;
    }
    QPair<QString, QString> getFileType() override { return m_real->getFileType(); }

private:
    PlainLabelModule* m_real;
};

class PipeFileControllerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void savedFileStartsWithContainerHeader_data();
    void savedFileStartsWithContainerHeader();
    void refusedHeadersAreLogged_data();
    void refusedHeadersAreLogged();
    void savingTwiceKeepsOnlyTheSecondLabel();
    void failedSaveKeepsOldFileAndState();
    void saveFollowsWhatMayBeWritten_data();
    void saveFollowsWhatMayBeWritten();
    void damagedRecordIsNotOpened();
    void oversizedPreviewIsRefused();
    void damagedOpenKeepsTheOpenLabel();
    void openCommandTellsAboutDamagedFile();
    void overwriteAlternativeObeysNameRules_data();
    void overwriteAlternativeObeysNameRules();
    void saveAsFileNameRules_data();
    void saveAsFileNameRules();
    void saveQuestionFlow_data();
    void saveQuestionFlow();
    void eachModuleKeepsItsOwnFile();
    void everyKindSavesAndReopens_data();
    void everyKindSavesAndReopens();
    void saveRecordsHistoryAndAnalytics();

private:
    QScopedPointer<QTemporaryDir> m_temporary;
    QDir m_dir;
    QScopedPointer<PlainLabelModule> m_pipe;
    QScopedPointer<PipeFileController> m_files;
    QStringList m_informationTitles;
};

void PipeFileControllerTest::init()
{
    m_temporary.reset(new QTemporaryDir);
    m_dir = QDir(m_temporary->path());
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("Vendrel"));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    qApp->setProperty("uid", QStringLiteral("0f8fad5b-d9cb-469f-a165-70867728950e"));
    m_pipe.reset(new PlainLabelModule(*LabelKinds::byKind(0)));
    m_files.reset(new PipeFileController);
    m_files->setContentModule(m_pipe.data());
    m_informationTitles.clear();
    MvMessageBox::setAnswerProvider(
        [this](const QString& title, const QString&, QMessageBox::StandardButtons buttons) {
            if (buttons == QMessageBox::Ok)
                m_informationTitles << title;
            return QMessageBox::Ok;
        });
    loggedMessages.clear();
    loggedWarnings.clear();
}

void PipeFileControllerTest::cleanup()
{
    MvMessageBox::setAnswerProvider({});
    MvFileDialog::setAnswerProvider({});
    m_files.reset();
    m_pipe.reset();
}

void PipeFileControllerTest::savedFileStartsWithContainerHeader_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("lower case") << "label.qypm" << QByteArray("qypm");
    QTest::newRow("upper case stored as typed") << "LABEL.QYPM" << QByteArray("QYPM");
}

void PipeFileControllerTest::savedFileStartsWithContainerHeader()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    const QString path = m_dir.filePath(name);

    QVERIFY(m_files->saveTemplateToFile(path));
    const QByteArray bytes = readAll(path);
    QCOMPARE(static_cast<quint8>(bytes.at(0)), quint8(0x89));
    QCOMPARE(bytes.mid(1, 4), format);
    QCOMPARE(bytes.mid(5, 4), QByteArray(4, '\0'));
    // The preview follows: a non-null image marker, then PNG data of 256 x 256.
    QCOMPARE(bytes.mid(9, 4), QByteArray::fromHex("00000001"));
    QCOMPARE(bytes.mid(13, 4), QByteArray("\x89PNG"));
    QCOMPARE(QImage::fromData(bytes.mid(13), "PNG").size(), QSize(256, 256));

    QSignalSpy changed(m_files.data(), &PipeFileController::currentFileChanged);
    QVERIFY(m_files->loadTemplateFromFile(path, false));
    QVERIFY(m_files->lastLoadResult().isOk());
    QCOMPARE(changed.value(0).value(0).toString(), name);
    QCOMPARE(m_files->currentFile(), path);
}

void PipeFileControllerTest::refusedHeadersAreLogged_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("logLine");
    QTest::addColumn<int>("status");
    QTest::newRow("wrong magic") << "a.qypm" << QByteArray("LABELqypm")
                                 << "Error loading file: Invalid magic number: 4C"
                                 << int(LabelFileResult::BadMagic);
    QTest::newRow("unknown format") << "a.qyld" << QByteArray("\x89qyld\0\0\0\0", 9)
                                    << "Error loading file: Invalid encoded format: qyld"
                                    << int(LabelFileResult::UnknownFormat);
    QTest::newRow("suffix of another length") << "a.qypmx" << QByteArray("\x89qypm\0\0\0\0", 9)
                                              << "Error loading file: Invalid encoded format: qypm"
                                              << int(LabelFileResult::UnknownFormat);
    QTest::newRow("format cut short")
        << "a.qypm" << QByteArray("\x89qy") << "Error loading file: Invalid encoded format: qy"
        << int(LabelFileResult::UnknownFormat);
    QTest::newRow("preview cut short")
        << "a.qypm" << QByteArray("\x89qypm\0\0\0\0\0\0\0\x01\x89PNG", 17)
        << "Error loading file: Damaged record" << int(LabelFileResult::DamagedPreview);
    // A missing file is no label file at all: nothing to log, nothing to tell.
    QTest::newRow("missing") << "missing.qypm" << QByteArray() << QString()
                             << int(LabelFileResult::IoError);
}

void PipeFileControllerTest::refusedHeadersAreLogged()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, logLine);
    QFETCH(int, status);
    const QString path = m_dir.filePath(name);
    if (!bytes.isNull())
        writeAll(path, bytes);

    const QtMessageHandler before = qInstallMessageHandler(captureMessages);
    const bool opened = m_files->loadTemplateFromFile(path, true);
    qInstallMessageHandler(before);

    QVERIFY(!opened);
    QCOMPARE(loggedMessages.size(), logLine.isEmpty() ? 0 : 1);
    if (!logLine.isEmpty())
        QCOMPARE(loggedMessages.first(), logLine);
    // The result carries what the log says, for those who do not read the log.
    QCOMPARE(int(m_files->lastLoadResult().status()), status);
    QCOMPARE(m_files->lastLoadResult().logText(), logLine);
    QCOMPARE(m_files->lastLoadWasDamaged(), status == LabelFileResult::DamagedPreview);
    QVERIFY(m_files->currentFile().isEmpty());
}

void PipeFileControllerTest::savingTwiceKeepsOnlyTheSecondLabel()
{
    const QString path = m_dir.filePath(QStringLiteral("twice.qypm"));
    writeAll(path, QByteArray(100000, 'x'));
    QVERIFY(m_files->saveTemplateToFile(path));
    const QByteArray first = readAll(path);
    m_pipe->getCanvas()->setCanvasSize(300, 100, true);
    QVERIFY(m_files->saveTemplateToFile(path));
    const QByteArray second = readAll(path);
    QVERIFY(second.size() < 100000);
    QVERIFY(first != second);
    QVERIFY(!second.contains(QByteArray(64, 'x')));
}

void PipeFileControllerTest::failedSaveKeepsOldFileAndState()
{
    const QString path = m_dir.filePath(QStringLiteral("keep.qypm"));
    QVERIFY(m_files->saveTemplateToFile(path));
    const QByteArray before = readAll(path);
    const QString analytics = AnalyticsLibrary::hitsFilePath();
    const QByteArray hitsBefore = readAll(analytics);

    BrokenRecordModule broken(m_pipe.data());
    PipeFileController files;
    files.setContentModule(&broken);
    m_pipe->getCanvas()->setCanvasHasChanged(true);
    QSignalSpy changed(&files, &PipeFileController::currentFileChanged);

    QVERIFY(!files.saveTemplateToFile(path));
    QCOMPARE(readAll(path), before);
    QVERIFY(m_pipe->getCanvas()->canvasHasChanged());
    QVERIFY(files.currentFile().isEmpty());
    QCOMPARE(changed.count(), 0);
    QCOMPARE(readAll(analytics), hitsBefore);
    QCOMPARE(m_dir.entryList(QDir::Files), QStringList{"keep.qypm"});
}

void PipeFileControllerTest::saveFollowsWhatMayBeWritten_data()
{
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<bool>("fileWritable");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QString>("warning");
    QTest::newRow("folder and file writable") << true << true << true << QString();
    // The file is replaced where it lies, so a failure part-way would damage it.
    QTest::newRow("only the file writable") << false << true << true << "not atomic";
    QTest::newRow("nothing writable") << false << false << false << "Permission denied";
}

void PipeFileControllerTest::saveFollowsWhatMayBeWritten()
{
    QFETCH(bool, folderWritable);
    QFETCH(bool, fileWritable);
    QFETCH(bool, saved);
    QFETCH(QString, warning);
    QVERIFY(m_dir.mkdir(QStringLiteral("labels")));
    const QString folder = m_dir.filePath(QStringLiteral("labels"));
    const QString path = folder + QStringLiteral("/pump.qypm");
    QVERIFY(m_files->saveTemplateToFile(path));
    const QByteArray before = readAll(path);
    m_pipe->getCanvas()->setCanvasSize(300, 100, true);
    m_pipe->getCanvas()->setCanvasHasChanged(true);
    QFile::setPermissions(path,
                          fileWritable ? QFile::ReadOwner | QFile::WriteOwner : QFile::ReadOwner);
    QFile::setPermissions(folder, folderWritable
                                      ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                      : QFile::ReadOwner | QFile::ExeOwner);

    bool written = false;
    {
        const PermissionsApply permissions;
        if (!permissions.applied())
            QSKIP("file permissions cannot be made to apply to this process");
        const QtMessageHandler handler = qInstallMessageHandler(captureMessages);
        written = m_files->saveTemplateToFile(path);
        qInstallMessageHandler(handler);
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(written, saved);
    QCOMPARE(readAll(path) != before, saved);
    QCOMPARE(m_pipe->getCanvas()->canvasHasChanged(), !saved);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("pump.qypm")});
    if (warning.isEmpty())
        QCOMPARE(loggedWarnings, QStringList());
    else
        QVERIFY2(!loggedWarnings.filter(warning).isEmpty(), qPrintable(loggedWarnings.join('|')));
}

void PipeFileControllerTest::damagedRecordIsNotOpened()
{
    const QString path = m_dir.filePath(QStringLiteral("short.qypm"));
    QVERIFY(m_files->saveTemplateToFile(path));
    m_files->newTemplate();

    BrokenRecordModule broken(m_pipe.data());
    PipeFileController files;
    files.setContentModule(&broken);
    const QtMessageHandler before = qInstallMessageHandler(captureMessages);
    const bool opened = files.loadTemplateFromFile(path, true);
    qInstallMessageHandler(before);

    QVERIFY(!opened);
    QVERIFY(files.currentFile().isEmpty());
    QVERIFY(loggedMessages.contains(QStringLiteral("Error loading file: Damaged record")));
    QVERIFY(files.lastLoadWasDamaged());
    QCOMPARE(files.lastLoadResult().status(), LabelFileResult::DamagedRecord);
    // The container only reports; the commands decide what the user sees.
    QCOMPARE(m_informationTitles.size(), 0);
    QSettings settings;
    QVERIFY(!settings.contains(QStringLiteral("dir/labels")));
}

void PipeFileControllerTest::oversizedPreviewIsRefused()
{
    QByteArray bytes("\x89qypm\0\0\0\0", 9);
    bytes += QByteArray::fromHex("00000001");
    bytes += QByteArray("\x89PNG\r\n\x1a\n", 8);
    bytes += QByteArray::fromHex("0000000d") + QByteArray("IHDR");
    bytes += QByteArray::fromHex("00100000") + QByteArray::fromHex("00100000");
    bytes += QByteArray(64, '\0');
    const QString path = m_dir.filePath(QStringLiteral("huge.qypm"));
    writeAll(path, bytes);
    const QtMessageHandler before = qInstallMessageHandler(captureMessages);
    QVERIFY(!m_files->loadTemplateFromFile(path, false));
    qInstallMessageHandler(before);
    QVERIFY(m_files->currentFile().isEmpty());
    QCOMPARE(m_files->lastLoadResult().status(), LabelFileResult::OversizedPreview);
    QCOMPARE(loggedMessages, QStringList{QStringLiteral("Error loading file: Damaged record")});
}

void PipeFileControllerTest::damagedOpenKeepsTheOpenLabel()
{
    VendrelController pipe;
    PipeFileController files;
    files.setContentModule(&pipe);
    pipe.pipeTextChangedSlot(QStringLiteral("STEAM"));
    const QString first = m_dir.filePath(QStringLiteral("first.qypm"));
    QVERIFY(files.saveTemplateToFile(first));
    const QByteArray firstBytes = readAll(first);

    pipe.pipeTextChangedSlot(QStringLiteral("CONDENSATE RETURN"));
    const QString second = m_dir.filePath(QStringLiteral("second.qypm"));
    QVERIFY(files.saveTemplateToFile(second));
    QByteArray cut = readAll(second);
    cut.chop(3);
    writeAll(second, cut);

    QVERIFY(files.loadTemplateFromFile(first, true));
    pipe.pipeTextChangedSlot(QStringLiteral("STEAM SUPPLY"));
    const QtMessageHandler before = qInstallMessageHandler(captureMessages);
    QVERIFY(!files.loadTemplateFromFile(second, true));
    qInstallMessageHandler(before);

    // The label being edited is back, still unsaved, and still belongs to the first file.
    QCOMPARE(files.currentFile(), first);
    QVERIFY(pipe.getCanvas()->canvasHasChanged());
    QStringList texts;
    for (QGraphicsItem* item : pipe.getCanvas()->items())
        if (auto* text = dynamic_cast<SimpleTextItem*>(item))
            if (text->isVisible())
                texts << text->toPlainText();
    QCOMPARE(texts, QStringList{QStringLiteral("STEAM SUPPLY")});
    QCOMPARE(readAll(first), firstBytes);
}

void PipeFileControllerTest::openCommandTellsAboutDamagedFile()
{
    const QString path = m_dir.filePath(QStringLiteral("cut.qypm"));
    QVERIFY(m_files->saveTemplateToFile(path));
    QByteArray cut = readAll(path);
    cut.truncate(40); // inside the preview
    writeAll(path, cut);
    MvFileDialog::setAnswerProvider([&path](const MvFileDialog::Request&) { return path; });
    const QtMessageHandler before = qInstallMessageHandler(captureMessages);
    QVERIFY(!m_files->loadTemplate());
    qInstallMessageHandler(before);
    QCOMPARE(m_informationTitles, QStringList{QStringLiteral("Open Error")});
}

void PipeFileControllerTest::overwriteAlternativeObeysNameRules_data()
{
    QTest::addColumn<QString>("alternative");
    QTest::addColumn<QString>("written");
    QTest::newRow("extension appended to the second name") << "other"
                                                           << "other.qypm";
    QTest::newRow("special character in the second name refused") << "b*c"
                                                                  << "";
}

void PipeFileControllerTest::overwriteAlternativeObeysNameRules()
{
    QFETCH(QString, alternative);
    QFETCH(QString, written);
    QVERIFY(m_files->saveTemplateToFile(m_dir.filePath(QStringLiteral("a.qypm"))));
    QStringList answers{m_dir.filePath(QStringLiteral("a")), m_dir.filePath(alternative)};
    MvFileDialog::setAnswerProvider(
        [&answers](const MvFileDialog::Request&) { return answers.takeFirst(); });
    MvMessageBox::setAnswerProvider(
        [this](const QString& title, const QString&, QMessageBox::StandardButtons buttons) {
            if (buttons == QMessageBox::Ok) {
                m_informationTitles << title;
                return QMessageBox::Ok;
            }
            return QMessageBox::No; // do not replace: choose another name
        });

    QCOMPARE(m_files->saveTemplateAs(), !written.isEmpty());
    QVERIFY(answers.isEmpty());
    QStringList expected{QStringLiteral("a.qypm")};
    if (!written.isEmpty())
        expected << written;
    expected.sort();
    QCOMPARE(m_dir.entryList(QDir::Files, QDir::Name), expected);
    QCOMPARE(m_informationTitles,
             written.isEmpty() ? QStringList{QStringLiteral("Save Error")} : QStringList());
}

void PipeFileControllerTest::saveAsFileNameRules_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("information");
    QTest::newRow("extension appended") << "pump room"
                                        << "pump room.qypm"
                                        << "";
    QTest::newRow("foreign extension kept, ours appended") << "x.qyam"
                                                           << "x.qyam.qypm"
                                                           << "";
    QTest::newRow("own extension in capitals kept") << "LABEL.QYPM"
                                                    << "LABEL.QYPM"
                                                    << "";
    QTest::newRow("colon refused") << "a:b"
                                   << ""
                                   << "Save Error";
    QTest::newRow("asterisk refused") << "a*b.qypm"
                                      << ""
                                      << "Save Error";
}

void PipeFileControllerTest::saveAsFileNameRules()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(QString, information);
    QList<MvFileDialog::Request> requests;
    MvFileDialog::setAnswerProvider([&](const MvFileDialog::Request& request) {
        requests << request;
        return m_dir.filePath(typed);
    });

    const bool saved = m_files->saveTemplateAs();

    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().filter, m_pipe->getFileType().first + QStringLiteral(" (*.qypm)"));
    QVERIFY(requests.first().options & QFileDialog::DontConfirmOverwrite);
    QCOMPARE(saved, !written.isEmpty());
    if (saved)
        QVERIFY(QFile::exists(m_dir.filePath(written)));
    QCOMPARE(m_informationTitles, information.isEmpty() ? QStringList() : QStringList{information});
    if (!saved)
        QVERIFY(m_dir.entryList(QDir::Files).isEmpty());
}

void PipeFileControllerTest::saveQuestionFlow_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("mayReplace");
    QTest::addColumn<QStringList>("information");
    QTest::newRow("No drops the changes") << int(QMessageBox::No) << true << QStringList();
    QTest::newRow("Cancel stops") << int(QMessageBox::Cancel) << false << QStringList();
    QTest::newRow("Yes, then save dialog cancelled")
        << int(QMessageBox::Yes) << false << QStringList{"FILE SAVE ERROR"};
}

void PipeFileControllerTest::saveQuestionFlow()
{
    QFETCH(int, answer);
    QFETCH(bool, mayReplace);
    QFETCH(QStringList, information);
    QVERIFY(m_files->checkResetTemplate()); // unchanged: no question at all

    m_pipe->getCanvas()->setCanvasHasChanged(true);
    QStringList questions;
    MvMessageBox::setAnswerProvider(
        [&](const QString& title, const QString& text, QMessageBox::StandardButtons buttons) {
            if (buttons == QMessageBox::Ok) {
                m_informationTitles << title;
                return QMessageBox::Ok;
            }
            questions << title + QLatin1Char('|') + text;
            return static_cast<QMessageBox::StandardButton>(answer);
        });
    MvFileDialog::setAnswerProvider([](const MvFileDialog::Request&) { return QString(); });

    QCOMPARE(m_files->checkResetTemplate(), mayReplace);
    QCOMPARE(questions,
             QStringList{"CONFIRMATION|The current layout has been modified. \nDo you want to save "
                         "your changes?"});
    QCOMPARE(m_informationTitles, information);
}

void PipeFileControllerTest::eachModuleKeepsItsOwnFile()
{
    QScopedPointer<PlainLabelModule> ammonia(new PlainLabelModule(*LabelKinds::byKind(1)));
    const QString pipePath = m_dir.filePath(QStringLiteral("pipe.qypm"));
    QVERIFY(m_files->saveTemplateToFile(pipePath));

    m_files->setContentModule(ammonia.data());
    QVERIFY(m_files->currentFile().isEmpty());
    QSignalSpy changed(m_files.data(), &PipeFileController::currentFileChanged);
    m_files->newTemplate();
    QCOMPARE(changed.value(0).value(0).toString(), QString());

    m_files->setContentModule(m_pipe.data());
    QCOMPARE(m_files->currentFile(), pipePath);
    QVERIFY(m_files->saveTemplate());
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("pipe.qyam"))));
}

void PipeFileControllerTest::everyKindSavesAndReopens_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("exact");
    // Every kind of the table has a module of its own: none is refused. The arrow wrap's
    // editor takes an opened label's sizes as its fields show them, at two decimals, so
    // its first save after an open may round them; from then on the file holds.
    for (const LabelKind* row : LabelKinds::all()) {
        const QString name = QString::fromLatin1(row->extension);
        const bool exact = row->kind != 2;
        QTest::newRow(qPrintable(name + ": open the file")) << row->kind << "open file" << exact;
        QTest::newRow(qPrintable(name + ": open command")) << row->kind << "open" << exact;
    }
}

void PipeFileControllerTest::everyKindSavesAndReopens()
{
    QFETCH(int, kind);
    QFETCH(QString, command);
    QFETCH(bool, exact);
    const LabelKind& row = *LabelKinds::byKind(kind);
    QScopedPointer<IVendrelInterface> module(row.makeModule(row, nullptr));
    m_files->setContentModule(module.data());
    const QString path = m_dir.filePath(QStringLiteral("label.") + QLatin1String(row.extension));
    QVERIFY(m_files->saveTemplateToFile(path));
    const QByteArray saved = readAll(path);
    QVERIFY(saved.startsWith(QByteArray("\x89") + row.extension));

    m_files->newTemplate();
    MvFileDialog::setAnswerProvider([&path](const MvFileDialog::Request&) { return path; });
    const bool opened = command == QLatin1String("open")
                            ? m_files->loadTemplate()
                            : m_files->loadTemplateFromFile(path, true);
    QVERIFY(opened);
    QCOMPARE(m_files->currentFile(), path);
    QVERIFY(!module->getCanvas()->canvasHasChanged());
    QCOMPARE(m_informationTitles, QStringList());

    // What was read is what was written: saved again, the file is the same.
    QVERIFY(m_files->saveTemplate());
    const QByteArray settled = readAll(path);
    if (exact)
        QCOMPARE(settled, saved);
    QVERIFY(m_files->loadTemplateFromFile(path, true));
    QVERIFY(m_files->saveTemplate());
    QCOMPARE(readAll(path), settled);
    m_files->setContentModule(m_pipe.data());
}

void PipeFileControllerTest::saveRecordsHistoryAndAnalytics()
{
    const QString path = m_dir.filePath(QStringLiteral("history.qypm"));
    const QString hits = AnalyticsLibrary::hitsFilePath();
    QFile::remove(hits);
    QVERIFY(m_files->saveTemplateToFile(path));

    QSettings settings;
    QCOMPARE(FileControllerTools::fileHistory(settings, QStringLiteral("fileHistory")).value(0),
             QFileInfo(path).absoluteFilePath());
    const QList<QByteArray> lines = readAll(hits).trimmed().split('\n');
    QCOMPARE(lines.size(), 1);
    const QJsonObject hit = QJsonDocument::fromJson(lines.first()).object();
    QCOMPARE(hit.value(QStringLiteral("hitType")).toInt(), 2);
    const QJsonObject record = hit.value(QStringLiteral("record")).toObject();
    QCOMPARE(record.keys(), (QStringList{"applicationName", "sessionId", "softwareVersion"}));
    QCOMPARE(record.value(QStringLiteral("sessionId")).toString(),
             QStringLiteral("0f8fad5b-d9cb-469f-a165-70867728950e"));
    QCOMPARE(record.value(QStringLiteral("softwareVersion")).toString(), QStringLiteral("3.0.5.5"));
}

QTEST_MAIN(PipeFileControllerTest)
#include "tst_pipefilecontroller.moc"
