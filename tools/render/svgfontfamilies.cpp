#include "svgfontfamilies.h"

#include <QFont>
#include <QFontInfo>
#include <QHash>
#include <QRegularExpression>

QString SvgFontFamilies::portableList(const QString& requestedFamily)
{
    const QString family = QFontInfo(QFont(requestedFamily)).family();
    QString generic = QStringLiteral("sans-serif");
    if (family.contains(QLatin1String("Mono"), Qt::CaseInsensitive))
        generic = QStringLiteral("monospace");
    else if (family.contains(QLatin1String("Serif"), Qt::CaseInsensitive) &&
             !family.contains(QLatin1String("Sans"), Qt::CaseInsensitive))
        generic = QStringLiteral("serif");
    QString quoted = family;
    quoted.remove(QLatin1Char('\'')).remove(QLatin1Char('"'));
    return QStringLiteral("'%1', %2").arg(quoted, generic);
}

QByteArray SvgFontFamilies::rewrite(const QByteArray& svg)
{
    static const QRegularExpression attribute(QStringLiteral("font-family=\"([^\"]*)\""));
    const QString text = QString::fromUtf8(svg);
    QString result;
    result.reserve(text.size());
    QHash<QString, QString> resolved;
    int copied = 0;
    QRegularExpressionMatchIterator matches = attribute.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const QString requested = match.captured(1);
        auto found = resolved.find(requested);
        if (found == resolved.end())
            found = resolved.insert(requested, portableList(requested).toHtmlEscaped());
        result += text.midRef(copied, match.capturedStart() - copied);
        result += QStringLiteral("font-family=\"%1\"").arg(*found);
        copied = match.capturedEnd();
    }
    result += text.midRef(copied);
    return result.toUtf8();
}
