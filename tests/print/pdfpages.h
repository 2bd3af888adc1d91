#ifndef PDFPAGES_H
#define PDFPAGES_H

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>

// The page sizes of a PDF file as written by Qt (uncompressed page dictionaries),
// in points, one per page in file order.
inline QList<QSizeF> pdfPageSizes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    // With its size: the PDF's binary streams hold NUL bytes.
    const QString text = QString::fromLatin1(bytes.constData(), bytes.size());
    QList<QSizeF> pages;
    static const QRegularExpression box(QStringLiteral(
        "/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s*\\]"));
    auto it = box.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        pages << QSizeF(m.captured(3).toDouble() - m.captured(1).toDouble(),
                        m.captured(4).toDouble() - m.captured(2).toDouble());
    }
    return pages;
}

#endif
