#ifndef SUPPLYPROPERTIES_H
#define SUPPLYPROPERTIES_H

#include <QColor>
#include <QList>
#include <QObject>
#include <QSizeF>
#include <QString>
#include <QStringList>

class MvIPC;

// What is loaded in the chosen printer, from the first source that knows:
//  1. CUPS: the printer's ready (else default) media gives the supply size, its
//     markers (marker-names, marker-colors) the loaded ribbons;
//  2. the printer's supply file, "supplies/<printer>.ini" in the user's
//     configuration folder (~/.config/Morvantic/supplies/), INI keys:
//       [supply] sku, width, length (inches; length 0 for continuous stock),
//                material (number), maxSpeed, lidOpen (true/false),
//                stripeWidth (inches), stripeColor (#rrggbb)
//       [ribbons] names, skus, colors (comma-separated lists, #rrggbb colours),
//                heats (comma-separated numbers)
//  3. the default: a 4 in continuous supply with a black ribbon.
// A source supplies the size and the ribbons it knows; what it lacks comes from
// the next. Values are read when the printer is set and on refresh(), which emits
// a change signal for each group of values that changed.
class SupplyProperties : public QObject
{
    Q_OBJECT

public:
    enum Source
    {
        FromCups,
        FromSupplyFile,
        FromDefault
    };

    // The service runs the suite's inter-process service for the print stack.
    SupplyProperties(QString printerName, bool printerFlag, QObject* parent = nullptr);
    ~SupplyProperties() override;

    MvIPC* runningMvipc() const { return m_ipc; }

    void setCurrentPrinter(QString printerName, bool printerIsRemote, bool printerIsOffline,
                           bool printerIsMv);
    QString currentPrinter() const { return m_printerName; }
    // Reads the sources again.
    void refresh();

    static QString supplyFilePath(const QString& printerName);
    static constexpr double DefaultSupplyWidth = 288.0;

    Source sizeSource() const { return m_sizeSource; }
    Source ribbonSource() const { return m_ribbonSource; }

    QSizeF getLoadedSupplySize() const { return m_size; }
    QString getLoadedSupplySku() const { return m_sku; }
    int getLoadedMaterialType() const { return m_material; }
    QStringList getLoadedRibbons() const { return m_ribbons; }
    QStringList getLoadedRibbonSkus() const { return m_ribbonSkus; }
    // The colours the printer can print, one per loaded ribbon.
    QList<QColor> getPrintingPalette() const { return m_palette; }
    // Bit i: ribbon i of the palette is loaded and usable.
    int getLoadedRibbonMask() const { return m_ribbonMask; }
    QList<int> getColorHeats() const { return m_heats; }
    int getMaxPrintSpeed() const { return m_maxSpeed; }
    bool getLidOpen() const { return m_lidOpen; }
    double getLoadedStripedSupplyWidth() const { return m_stripeWidth; }
    QColor getLoadedStripedSupplyColor() const { return m_stripeColor; }
    bool printerIsRemote() const { return m_remote; }
    bool printerIsOffline() const { return m_offline; }
    bool printerIsMv() const { return m_mv; }

signals:
    void ribbonsLoadedChanged();
    void supplyTypeLoadedChanged();
    // The supply in use is one the user described in a supply file.
    void supplyTypeCustomChanged();

private:
    MvIPC* m_ipc = nullptr;
    QString m_printerName;
    bool m_remote = false;
    bool m_offline = false;
    bool m_mv = false;

    Source m_sizeSource = FromDefault;
    Source m_ribbonSource = FromDefault;
    QSizeF m_size;
    QString m_sku;
    int m_material = 0;
    int m_maxSpeed = 0;
    bool m_lidOpen = false;
    double m_stripeWidth = 0.0;
    QColor m_stripeColor;
    QStringList m_ribbons;
    QStringList m_ribbonSkus;
    QList<QColor> m_palette;
    int m_ribbonMask = 0;
    QList<int> m_heats;
};

#endif
