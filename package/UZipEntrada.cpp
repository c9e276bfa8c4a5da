#include "package/UZipEntrada.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr std::uint32_t kDosReadOnly = 0x01;
constexpr std::uint32_t kDosArchive = 0x20;
} // namespace

QString ZipEntryName(const QString& sourcePath, const QString& folder) {
    const QString source = QDir::cleanPath(QDir::fromNativeSeparators(sourcePath));
    QString base = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    if (source.startsWith(base) && source.size() > base.size())
        return source.mid(base.size());
    return QFileInfo(source).fileName();
}

QByteArray ZipEntryNameBytes(const QString& name) {
    return name.toUtf8();
}

std::uint32_t DosDateTime(const QDateTime& localTime) {
    const QDate date = localTime.date();
    const QTime time = localTime.time();
    if (!date.isValid() || date.year() < 1980)
        return (1u << 21) | (1u << 16); // 1980-01-01 00:00:00
    if (date.year() > 2107)
        return (127u << 25) | (12u << 21) | (31u << 16) | (23u << 11) | (59u << 5) | 29u;
    const std::uint32_t dosDate = (static_cast<std::uint32_t>(date.year() - 1980) << 9) |
                                  (static_cast<std::uint32_t>(date.month()) << 5) |
                                  static_cast<std::uint32_t>(date.day());
    const std::uint32_t dosTime = (static_cast<std::uint32_t>(time.hour()) << 11) |
                                  (static_cast<std::uint32_t>(time.minute()) << 5) |
                                  static_cast<std::uint32_t>(time.second() / 2);
    return (dosDate << 16) | dosTime;
}

std::uint32_t DosAttributes(const QString& sourcePath) {
    const QFileInfo info(sourcePath);
    std::uint32_t attributes = kDosArchive;
    // The permission bits, not access(): a program running as root may write everything,
    // yet the file is still read-only for its owner.
    if (!(info.permissions() & QFileDevice::WriteOwner))
        attributes |= kDosReadOnly;
    return attributes;
}
