// The data directory in the per-user settings store; the dialog and pgpack
// pack read it.

#include "Settings.h"

#include "Paths.h"

#include <QSettings>

std::optional<QString> ReadDataDirectory() {
    const QSettings settings(SettingsOrganization, SettingsApplication);
    if (settings.status() != QSettings::NoError || !settings.contains(DataDirectoryKey))
        return std::nullopt;
    // Whatever the value's type, its text up to the first zero character.
    QString dir = settings.value(DataDirectoryKey).toString();
    if (const qsizetype zero = dir.indexOf(QChar(0)); zero >= 0) dir.truncate(zero);
    return WithTrailingSeparator(FromUserPath(dir));
}
