#pragma once
// The per-user store that the display product's setup fills: on Windows the
// registry key "Software\Vantel Soft\PelagorDX" of the current user,
// elsewhere Qt's per-user settings file of the same names.

#include <QString>

#include <optional>

inline const QString SettingsOrganization = QStringLiteral("Vantel Soft");
inline const QString SettingsApplication = QStringLiteral("PelagorDX");
inline const QString DataDirectoryKey = QStringLiteral("DataDirectory");

// The data directory in the program's path form, ending in a separator
// (unless it is empty), so that a file name can be put after it. nullopt when
// the store cannot be read or holds no such value.
std::optional<QString> ReadDataDirectory();
