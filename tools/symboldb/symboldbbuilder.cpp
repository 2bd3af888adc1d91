#include "symboldbbuilder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSvgRenderer>
#include <QTemporaryFile>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
constexpr int FormatVersion = 1;
constexpr int IconMargin = 6;
} // namespace

bool SymbolDatabaseBuilder::build(const QString& manifestPath, const QString& outputPath)
{
    m_symbols.clear();
    m_error.clear();
    if (!readManifest(manifestPath))
        return false;
    if (!readDrawings(QFileInfo(manifestPath).absolutePath()))
        return false;
    return writeDatabase(outputPath);
}

bool SymbolDatabaseBuilder::fail(const QString& message)
{
    m_error = message;
    return false;
}

bool SymbolDatabaseBuilder::readManifest(const QString& manifestPath)
{
    QFile file(manifestPath);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read the manifest %1: %2")
                        .arg(manifestPath, file.errorString()));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(QStringLiteral("%1: not valid JSON at offset %2: %3")
                        .arg(manifestPath)
                        .arg(parseError.offset)
                        .arg(parseError.errorString()));
    const QJsonValue symbols = document.object().value(QStringLiteral("symbols"));
    if (!document.isObject() || !symbols.isArray())
        return fail(
            QStringLiteral("%1: expected an object with a \"symbols\" array").arg(manifestPath));

    const QJsonArray entries = symbols.toArray();
    for (int index = 0; index < entries.size(); ++index) {
        const QString where = QStringLiteral("%1: symbol entry %2").arg(manifestPath).arg(index);
        if (!entries.at(index).isObject())
            return fail(where + QStringLiteral(" is not an object"));
        const QJsonObject entry = entries.at(index).toObject();

        const QJsonValue id = entry.value(QStringLiteral("id"));
        const double idValue = id.toDouble(-1.0);
        if (!id.isDouble() || idValue < 1.0 || idValue > 32767.0 || std::floor(idValue) != idValue)
            return fail(where + QStringLiteral(": \"id\" must be a whole number from 1 to 32767"));
        const QJsonValue name = entry.value(QStringLiteral("name"));
        if (!name.isString() || name.toString().trimmed().isEmpty())
            return fail(where + QStringLiteral(": \"name\" must be a non-empty text"));
        const QJsonValue fileName = entry.value(QStringLiteral("file"));
        if (!fileName.isString() || fileName.toString().isEmpty())
            return fail(where + QStringLiteral(": \"file\" must name an SVG file"));
        const QJsonValue category = entry.value(QStringLiteral("category"));
        if (!category.isUndefined() && !category.isString())
            return fail(where + QStringLiteral(": \"category\" must be a text"));
        const QJsonValue selectable = entry.value(QStringLiteral("selectable"));
        if (!selectable.isUndefined() && !selectable.isBool())
            return fail(where + QStringLiteral(": \"selectable\" must be true or false"));

        Symbol symbol;
        symbol.id = int(idValue);
        symbol.name = name.toString();
        symbol.file = fileName.toString();
        // An absent category is the empty one; a null text would be stored as
        // NULL, which the table refuses.
        symbol.category = category.isString() ? category.toString() : QString();
        if (symbol.category.isNull())
            symbol.category = QString::fromLatin1("");
        symbol.selectable = selectable.toBool(true);
        for (const Symbol& other : qAsConst(m_symbols)) {
            if (other.id == symbol.id)
                return fail(QStringLiteral("%1: duplicate symbol id %2 (\"%3\" and \"%4\")")
                                .arg(manifestPath)
                                .arg(symbol.id)
                                .arg(other.name, symbol.name));
        }
        m_symbols.append(symbol);
    }
    if (m_symbols.isEmpty())
        return fail(QStringLiteral("%1: the manifest lists no symbols").arg(manifestPath));

    // The arrow menus show symbol id N in row N - 1, so the ids must be the
    // rows: 1, 2, 3, ... without gaps. A retired symbol stays, unselectable.
    std::sort(m_symbols.begin(), m_symbols.end(),
              [](const Symbol& a, const Symbol& b) { return a.id < b.id; });
    for (int row = 0; row < m_symbols.size(); ++row) {
        if (m_symbols.at(row).id != row + 1)
            return fail(QStringLiteral("%1: symbol ids must run from 1 without gaps; id %2 is "
                                       "missing")
                            .arg(manifestPath)
                            .arg(row + 1));
    }
    return true;
}

bool SymbolDatabaseBuilder::readDrawings(const QString& folder)
{
    const QDir dir(folder);
    for (Symbol& symbol : m_symbols) {
        const QString path = dir.filePath(symbol.file);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("symbol %1 (\"%2\"): cannot read %3: %4")
                            .arg(symbol.id)
                            .arg(symbol.name, path, file.errorString()));
        symbol.svg = file.readAll();
        symbol.icon = renderIcon(symbol.svg);
        if (symbol.icon.isEmpty())
            return fail(QStringLiteral("symbol %1 (\"%2\"): %3 is not a valid SVG drawing")
                            .arg(symbol.id)
                            .arg(symbol.name, path));
    }
    return true;
}

QByteArray SymbolDatabaseBuilder::renderIcon(const QByteArray& svg)
{
    if (svg.isEmpty())
        return QByteArray();
    QSvgRenderer renderer;
    if (!renderer.load(svg) || !renderer.isValid())
        return QByteArray();
    QSizeF drawing = renderer.viewBoxF().size();
    if (drawing.isEmpty())
        drawing = QSizeF(IconSize, IconSize);
    const QSizeF room(IconSize - 2 * IconMargin, IconSize - 2 * IconMargin);
    const QSizeF scaled = drawing.scaled(room, Qt::KeepAspectRatio);
    const QRectF target((IconSize - scaled.width()) / 2.0, (IconSize - scaled.height()) / 2.0,
                        scaled.width(), scaled.height());

    QImage image(IconSize, IconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    renderer.render(&painter, target);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), Qt::black);
    painter.end();

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return QByteArray();
    return png;
}

bool SymbolDatabaseBuilder::writeDatabase(const QString& path)
{
    const QFileInfo target(path);
    if (!QDir().mkpath(target.absolutePath()))
        return fail(QStringLiteral("cannot create the folder %1").arg(target.absolutePath()));

    // Written beside the target and renamed over it only when complete, so a
    // failed or interrupted build never leaves a half-written database.
    QTemporaryFile temporary(target.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    temporary.setAutoRemove(false);
    if (!temporary.open())
        return fail(QStringLiteral("cannot create a file in %1: %2")
                        .arg(target.absolutePath(), temporary.errorString()));
    const QString temporaryPath = temporary.fileName();
    temporary.close();

    const QString connection = QStringLiteral("vendrel-symboldb-writer");
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(temporaryPath);
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            QSqlQuery query(db);
            const QStringList setup = {
                QStringLiteral("CREATE TABLE symbols (id INTEGER PRIMARY KEY, name TEXT NOT NULL, "
                               "category TEXT NOT NULL DEFAULT '', selectable INTEGER NOT NULL "
                               "DEFAULT 1, svg BLOB NOT NULL, icon BLOB NOT NULL)"),
                QStringLiteral("PRAGMA user_version = %1").arg(FormatVersion),
            };
            db.transaction();
            for (const QString& statement : setup) {
                if (error.isEmpty() && !query.exec(statement))
                    error = query.lastError().text();
            }
            if (error.isEmpty() &&
                !query.prepare(QStringLiteral("INSERT INTO symbols (id, name, category, "
                                              "selectable, svg, icon) VALUES (?, ?, ?, ?, ?, ?)")))
                error = query.lastError().text();
            for (const Symbol& symbol : qAsConst(m_symbols)) {
                if (!error.isEmpty())
                    break;
                query.addBindValue(symbol.id);
                query.addBindValue(symbol.name);
                query.addBindValue(symbol.category);
                query.addBindValue(symbol.selectable ? 1 : 0);
                query.addBindValue(symbol.svg);
                query.addBindValue(symbol.icon);
                if (!query.exec())
                    error = query.lastError().text();
            }
            query.finish();
            if (error.isEmpty() && !db.commit())
                error = db.lastError().text();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);

    if (error.isEmpty()) {
        QFile::setPermissions(temporaryPath, QFile::ReadOwner | QFile::WriteOwner |
                                                 QFile::ReadGroup | QFile::ReadOther);
        if (std::rename(QFile::encodeName(temporaryPath).constData(),
                        QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
            error = QStringLiteral("cannot move the new database into place");
    }
    if (!error.isEmpty()) {
        QFile::remove(temporaryPath);
        return fail(QStringLiteral("cannot write %1: %2").arg(path, error));
    }
    return true;
}
