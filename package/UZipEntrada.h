#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>

// How one source file is described in the package: its name inside the archive, its
// modification time and its attributes in the DOS form the archive keeps.

// The source path relative to the folder, with "/" as separator; a file outside the folder
// is stored under its own file name.
QString ZipEntryName(const QString& sourcePath, const QString& folder);

// Name bytes as written into the archive (UTF-8).
QByteArray ZipEntryNameBytes(const QString& name);

// Local date and time packed as DOS date (high word) and time (low word). DOS keeps even
// seconds only, so an odd second is dropped; dates outside 1980..2107 are clamped.
std::uint32_t DosDateTime(const QDateTime& localTime);

// DOS attributes of a regular file: archive, plus read-only when the owner cannot write it.
std::uint32_t DosAttributes(const QString& sourcePath);
