#include "units/defaultunitcontroller.h"

#include <QSettings>
#include <QtDebug>

unsigned char DefaultUnitController::getDefaultUnits()
{
    const QSettings settings;
    bool ok = false;
    const int stored = settings.value(QLatin1String(SettingsKey), 0).toInt(&ok);
    if (!ok || stored < 0 || stored > 1)
        return 0;
    return static_cast<unsigned char>(stored);
}

void DefaultUnitController::saveDefaultUnit(const unsigned char& units)
{
    if (units > 1) {
        qWarning("Refusing to store unknown default unit %d", int(units));
        return;
    }
    QSettings settings;
    // Every label the editor opens hands its panel the unit just read from here, and
    // the panel stores it again. Writing the settings file costs two disk syncs (its
    // lock and the file), which doubled the time of opening a label; the value it
    // already holds needs no writing.
    if (settings.value(QLatin1String(SettingsKey)).toString() == QString::number(int(units)))
        return;
    settings.setValue(QLatin1String(SettingsKey), int(units));
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qWarning("Could not store the default unit in %s", qUtf8Printable(settings.fileName()));
}
