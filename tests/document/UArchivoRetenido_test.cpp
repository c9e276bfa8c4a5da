// A file that another program holds open (a viewer, an antivirus) is waited for a moment, and
// when it stays held the write is refused with a clear message, the old file untouched.
#include "document/UArchivoAtomico.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#ifdef Q_OS_WIN
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace
#endif

TEST(ArchivoRetenidoTest, WaitsForAProgramThatHoldsTheFileAndRefusesWhenItKeepsIt) {
#ifndef Q_OS_WIN
    GTEST_SKIP() << "an open file never stops its replacement on this system";
#else
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("proyecto ñ.xml"));
    ASSERT_TRUE(TArchivoAtomico::WriteFile(path, "uno", nullptr));
    // Opened as a viewer opens a file: sharing reading and writing, not its deletion.
    auto hold = [&] {
        return ::CreateFileW(QDir::toNativeSeparators(path).toStdWString().c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    };

    struct Case {
        const char* what;
        int releaseAfterMs; // -1: never released while writing
        bool written;
    };
    for (const Case& c : {Case{"kept open", -1, false}, Case{"released soon", 300, true}}) {
        SCOPED_TRACE(c.what);
        const HANDLE held = hold();
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        std::thread releaser;
        if (c.releaseAfterMs >= 0)
            releaser = std::thread([&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(c.releaseAfterMs));
                ::CloseHandle(held);
            });
        QString error;
        const bool done = TArchivoAtomico::WriteFile(path, "dos", &error);
        if (releaser.joinable())
            releaser.join();
        else
            ::CloseHandle(held);
        EXPECT_EQ(done, c.written) << error.toStdString();
        EXPECT_EQ(ReadAll(path), c.written ? QByteArray("dos") : QByteArray("uno"));
        if (!c.written) {
            EXPECT_TRUE(error.startsWith(QStringLiteral("Otro programa tiene abierto el archivo")))
                << error.toStdString();
            EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path))) << error.toStdString();
        }
        // Nothing but the file itself is left in the folder.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
                  QStringList{QStringLiteral("proyecto ñ.xml")});
        ASSERT_TRUE(TArchivoAtomico::WriteFile(path, "uno", nullptr));
    }
#endif
}
