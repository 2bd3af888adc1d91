#include "analytics/analyticslibrary.h"

#include <QCoreApplication>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QStandardPaths>

QString AnalyticsLibrary::hitsFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (folder.isEmpty())
        return QString();
    return folder + QStringLiteral("/analytics/hits.jsonl");
}

bool AnalyticsLibrary::sendAnalyticHit(int hitType, const QJsonObject& record)
{
    const QString path = hitsFilePath();
    if (path.isEmpty()) {
        qWarning("Analytics hit %d not recorded: no writable application data folder", hitType);
        return false;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        qWarning("Analytics hit %d not recorded: cannot create the folder of %s", hitType,
                 qUtf8Printable(path));
        return false;
    }

    // Built by hand so the members keep this order; QJsonObject would sort them.
    QByteArray line = "{\"hitType\":" + QByteArray::number(hitType) + ",\"time\":\"" +
                      QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toLatin1() +
                      "\",\"record\":" + QJsonDocument(record).toJson(QJsonDocument::Compact) +
                      "}\n";

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        qWarning("Analytics hit %d not recorded: %s: %s", hitType, qUtf8Printable(path),
                 qUtf8Printable(file.errorString()));
        return false;
    }
    const qint64 start = file.size();
    // One write call, so that another process appending at the same time
    // cannot interleave inside the line.
    const bool written = file.write(line) == line.size() && file.flush();
    if (!written) {
        qWarning("Analytics hit %d not recorded: %s: %s", hitType, qUtf8Printable(path),
                 qUtf8Printable(file.errorString()));
        // Leave no half line behind: the next hit must start on a line of its own.
        file.resize(start);
        return false;
    }
    file.close();
    return true;
}

QJsonObject AnalyticsLibrary::sessionRecord(const QString& sessionId,
                                            const QString& softwareVersion)
{
    QJsonObject record;
    record.insert(QStringLiteral("applicationName"), QCoreApplication::applicationName());
    record.insert(QStringLiteral("sessionId"), sessionId);
    record.insert(QStringLiteral("softwareVersion"), softwareVersion);
    return record;
}
