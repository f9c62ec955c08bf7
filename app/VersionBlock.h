// SPDX-License-Identifier: MIT
#pragma once

#include <QMap>
#include <QString>

#include <optional>

// The executable carries a version block: the product's strings under a language and code page
// ("040904b0"), such as "ProductVersion" and "LegalCopyright". It is read back from a file, so
// that what the About box shows always belongs to the file found under the program's name.
namespace VersionBlock {
// The language and code page of the strings.
inline constexpr char Translation[] = "040904b0";

// The strings of the block in the file, or nothing when the file cannot be read or has none.
std::optional<QMap<QString, QString>> readFromFile(const QString &filePath);

// A value by its query path, "StringFileInfo\040904b0\ProductVersion"; nothing when absent.
std::optional<QString> query(const QMap<QString, QString> &strings, const QString &path);

// The block of this build, as embedded; for tests.
QMap<QString, QString> embedded();
} // namespace VersionBlock
