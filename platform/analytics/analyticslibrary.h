#ifndef ANALYTICSLIBRARY_H
#define ANALYTICSLIBRARY_H

#include <QJsonObject>
#include <QString>

// Usage events, kept on this machine only: each hit is appended as one JSON
// line {"hitType":N,"time":"<UTC ISO time>","record":{...}} to hitsFilePath().
class AnalyticsLibrary
{
public:
    // True once the whole line is written and flushed. On failure a warning
    // names the reason and the file is left as it was before the call.
    static bool sendAnalyticHit(int hitType, const QJsonObject& record);

    // <application data folder>/analytics/hits.jsonl; empty when the platform
    // gives no writable application data folder.
    static QString hitsFilePath();

    // The record every hit of the editor carries: exactly "applicationName" (the
    // application's name), "sessionId" and "softwareVersion".
    static QJsonObject sessionRecord(const QString& sessionId, const QString& softwareVersion);
};

#endif
