#include "print/mvipc.h"

#include <QCoreApplication>
#include <QLocalSocket>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

#include <cstdio>

namespace {
// The second process: connects, sends what the mode says, prints the answers.
int runClient(const QString& mode)
{
    QLocalSocket socket;
    socket.connectToServer(MvIPC::socketPath());
    if (!socket.waitForConnected(5000))
        return 2;
    QByteArray bytes;
    if (mode == QLatin1String("commands")) {
        bytes = "help\nprint\nqueue-clear 3\nclose\n";
    } else if (mode == QLatin1String("long")) {
        bytes = QByteArray(1 << 20, 'z') + "\nprint\n";
    } else {
        // Binary noise, many short lines of it.
        QRandomGenerator random(7);
        for (int i = 0; i < 1 << 16; ++i)
            bytes += char(random.bounded(256));
    }
    socket.write(bytes);
    socket.waitForBytesWritten(5000);
    QByteArray answers;
    while (socket.state() == QLocalSocket::ConnectedState && socket.waitForReadyRead(1500))
        answers += socket.readAll();
    answers += socket.readAll();
    fwrite(answers.constData(), 1, size_t(answers.size()), stdout);
    return 0;
}
} // namespace

class MvIpcTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void commandsFromASecondProcess();
    void garbageFromASecondProcessIsCutOff_data();
    void garbageFromASecondProcessIsCutOff();
    void socketIsTheUsersOnly();
    void secondServiceDoesNotTakeTheSocket();

private:
    QByteArray runSecondProcess(const QString& mode);
    MvIPC* m_ipc = nullptr;
};

QByteArray MvIpcTest::runSecondProcess(const QString& mode)
{
    QProcess client;
    client.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--ipc-client"), mode});
    // The server answers from this event loop while the client runs.
    QElapsedTimer timer;
    timer.start();
    while (client.state() != QProcess::NotRunning && timer.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        client.waitForFinished(10);
    }
    if (client.state() != QProcess::NotRunning) {
        client.kill();
        client.waitForFinished();
        return "timeout";
    }
    return client.readAllStandardOutput();
}

void MvIpcTest::initTestCase()
{
    m_ipc = new MvIPC(this);
    QVERIFY(m_ipc->listen());
}

void MvIpcTest::commandsFromASecondProcess()
{
    QSignalSpy help(m_ipc, &MvIPC::HelpButton);
    QSignalSpy print(m_ipc, &MvIPC::PrintButton);
    QSignalSpy clear(m_ipc, &MvIPC::PrintQueueClear);
    QSignalSpy close(m_ipc, &MvIPC::CloseApplicationSignal);
    const QByteArray answers = runSecondProcess(QStringLiteral("commands"));
    QCOMPARE(answers, QByteArray("ok\nok\nok\nok\n"));
    QCOMPARE(help.count(), 1);
    QCOMPARE(print.count(), 1);
    QCOMPARE(close.count(), 1);
    QCOMPARE(clear.count(), 1);
    QCOMPARE(clear.first().first().toInt(), 3);
}

void MvIpcTest::garbageFromASecondProcessIsCutOff_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("prints");
    // A long line is dropped to its end; what follows it still counts.
    QTest::newRow("one endless line") << "long" << 1;
    QTest::newRow("binary noise") << "noise" << 0;
}

void MvIpcTest::garbageFromASecondProcessIsCutOff()
{
    QFETCH(QString, mode);
    QFETCH(int, prints);
    QSignalSpy help(m_ipc, &MvIPC::HelpButton);
    QSignalSpy print(m_ipc, &MvIPC::PrintButton);
    QSignalSpy close(m_ipc, &MvIPC::CloseApplicationSignal);
    const QByteArray answers = runSecondProcess(mode);
    QVERIFY(answers != "timeout");
    QCOMPARE(print.count(), prints);
    QCOMPARE(help.count() + close.count(), 0);
    // The service still serves the next client.
    QCOMPARE(runSecondProcess(QStringLiteral("commands")), QByteArray("ok\nok\nok\nok\n"));
}

void MvIpcTest::socketIsTheUsersOnly()
{
    const QFileInfo socket(MvIPC::socketPath());
    QVERIFY(socket.exists());
    QCOMPARE(socket.permissions() &
                 (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
             QFile::Permissions());
}

void MvIpcTest::secondServiceDoesNotTakeTheSocket()
{
    MvIPC second;
    QVERIFY(!second.listen());
    QVERIFY(m_ipc->isListening());
}

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--ipc-client")
        return runClient(QString::fromLatin1(argv[2]));
    MvIpcTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mvipc.moc"
