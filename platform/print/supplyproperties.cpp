#include "print/supplyproperties.h"

#include "print/cupsqueue.h"
#include "print/mvipc.h"

#include <QSettings>
#include <QStandardPaths>

namespace {
QStringList listOf(const QVariant& value)
{
    // QSettings reads "a, b" as a list, and "a" as a string.
    QStringList list = value.toStringList();
    for (QString& entry : list)
        entry = entry.trimmed();
    list.removeAll(QString());
    return list;
}

int maskOf(int count)
{
    return count >= 31 ? 0x7fffffff : (1 << count) - 1;
}
} // namespace

SupplyProperties::SupplyProperties(QString printerName, bool printerFlag, QObject* parent)
    : QObject(parent), m_ipc(new MvIPC(this)), m_printerName(printerName), m_mv(printerFlag)
{
    m_ipc->listen();
    refresh();
}

SupplyProperties::~SupplyProperties() = default;

QString SupplyProperties::supplyFilePath(const QString& printerName)
{
    QString name = printerName.isEmpty() ? QStringLiteral("default") : printerName;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Morvantic/supplies/") + name + QStringLiteral(".ini");
}

void SupplyProperties::setCurrentPrinter(QString printerName, bool printerIsRemote,
                                         bool printerIsOffline, bool printerIsMv)
{
    m_printerName = printerName;
    m_remote = printerIsRemote;
    m_offline = printerIsOffline;
    m_mv = printerIsMv;
    refresh();
}

void SupplyProperties::refresh()
{
    const QSizeF oldSize = m_size;
    const QString oldSku = m_sku;
    const int oldMaterial = m_material;
    const Source oldSizeSource = m_sizeSource;
    const QStringList oldRibbons = m_ribbons;
    const QList<QColor> oldPalette = m_palette;
    const int oldMask = m_ribbonMask;

    QString printer = m_printerName;
    if (printer.isEmpty())
        printer = CupsQueue::defaultPrinter();
    const CupsQueue::Attributes cups =
        m_offline ? CupsQueue::Attributes() : CupsQueue::attributes(printer);
    const QSettings file(supplyFilePath(printer), QSettings::IniFormat);
    const bool haveFile = file.contains(QStringLiteral("supply/width")) ||
                          file.contains(QStringLiteral("ribbons/colors"));

    // Size and the supply's own values.
    m_sku.clear();
    m_material = 0;
    m_maxSpeed = file.value(QStringLiteral("supply/maxSpeed"), 0).toInt();
    m_lidOpen = cups.lidOpen || file.value(QStringLiteral("supply/lidOpen"), false).toBool();
    m_stripeWidth = file.value(QStringLiteral("supply/stripeWidth"), 0.0).toDouble() * 72.0;
    m_stripeColor = QColor(file.value(QStringLiteral("supply/stripeColor")).toString());
    if (cups.found && !cups.mediaSize.isEmpty()) {
        m_sizeSource = FromCups;
        m_size = cups.mediaSize;
        m_sku = cups.mediaName;
    } else if (file.contains(QStringLiteral("supply/width"))) {
        m_sizeSource = FromSupplyFile;
        m_size = QSizeF(file.value(QStringLiteral("supply/width")).toDouble() * 72.0,
                        file.value(QStringLiteral("supply/length"), 0.0).toDouble() * 72.0);
        m_sku = file.value(QStringLiteral("supply/sku")).toString();
        m_material = file.value(QStringLiteral("supply/material"), 0).toInt();
    } else {
        m_sizeSource = FromDefault;
        m_size = QSizeF(DefaultSupplyWidth, 0.0);
    }

    // Ribbons.
    m_ribbonSkus.clear();
    m_heats.clear();
    m_palette.clear();
    if (cups.found && !cups.markerColors.isEmpty()) {
        m_ribbonSource = FromCups;
        m_palette = cups.markerColors;
        m_ribbons = cups.markerNames;
    } else if (file.contains(QStringLiteral("ribbons/colors"))) {
        m_ribbonSource = FromSupplyFile;
        for (const QString& color : listOf(file.value(QStringLiteral("ribbons/colors"))))
            if (QColor(color).isValid())
                m_palette << QColor(color);
        m_ribbons = listOf(file.value(QStringLiteral("ribbons/names")));
        m_ribbonSkus = listOf(file.value(QStringLiteral("ribbons/skus")));
        for (const QString& heat : listOf(file.value(QStringLiteral("ribbons/heats"))))
            m_heats << heat.toInt();
    } else {
        m_ribbonSource = FromDefault;
        m_palette = {QColor(Qt::black)};
        m_ribbons = QStringList{QStringLiteral("Black")};
    }
    while (m_ribbons.size() < m_palette.size())
        m_ribbons << m_palette[m_ribbons.size()].name();
    m_ribbonMask = maskOf(m_palette.size());

    if (m_size != oldSize || m_sku != oldSku || m_material != oldMaterial)
        emit supplyTypeLoadedChanged();
    if (m_ribbons != oldRibbons || m_palette != oldPalette || m_ribbonMask != oldMask)
        emit ribbonsLoadedChanged();
    const bool custom = haveFile && m_sizeSource == FromSupplyFile;
    const bool wasCustom = oldSizeSource == FromSupplyFile;
    if (custom != wasCustom || (custom && m_size != oldSize))
        emit supplyTypeCustomChanged();
}
