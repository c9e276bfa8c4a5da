// The folder lock against what a crash can leave behind: a lock naming a process that is gone,
// and a lock file its program never got to fill in.
#include "document/UBloqueoCarpeta.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/file.h>
#endif

namespace {

// Ninguno: no program has the file open; EsteProceso: a living program took the lock the normal
// way; Abierto: a living program has the file open and locked but has not yet written to it.
enum class Dueno { Ninguno, EsteProceso, Abierto };

struct CasoBloqueo {
    const char* nombre;
    QByteArray contenido; // what the lock file holds before the start; null for no file
    qint64 segundosAtras; // how long ago it was last written
    Dueno dueno;
    bool tomada;
};

void EscribirBloqueo(const QString& path, const QByteArray& contenido, qint64 segundosAtras) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contenido);
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-segundosAtras),
                                 QFileDevice::FileModificationTime));
}

} // namespace

TEST(BloqueoCarpetaTest, TakesOverOnlyWhatNoLivingProgramHolds) {
    // A process number no system hands out, so the lock names a process that is gone.
    const QByteArray muerto = QByteArrayLiteral("2147483646\nvelorn\n\n");
    const qint64 viejo = TBloqueoCarpeta::kSegundosSinDueno + 5;
    const CasoBloqueo casos[] = {
        {"no lock", QByteArray(), 0, Dueno::Ninguno, true},
        {"holder gone", muerto, 0, Dueno::Ninguno, true},
        {"never filled in, old", QByteArrayLiteral(""), viejo, Dueno::Ninguno, true},
        {"never filled in, just made", QByteArrayLiteral(""), 0, Dueno::Ninguno, false},
        {"garbage, old", QByteArrayLiteral("\xff\xfe\x00x"), viejo, Dueno::Ninguno, true},
        {"held by a living program", QByteArray(), 0, Dueno::EsteProceso, false},
        {"held by a living program, old", QByteArray(), viejo, Dueno::EsteProceso, false},
        {"being filled in by a living program, old", QByteArrayLiteral(""), viejo, Dueno::Abierto,
         false},
    };
    for (const CasoBloqueo& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath(TBloqueoCarpeta::NombreArchivo());
        QLockFile vivo(path);
        if (caso.dueno == Dueno::EsteProceso) {
            ASSERT_TRUE(vivo.tryLock(0));
            // Windows lets nobody else write to a lock that is held, not even its date.
#ifndef Q_OS_WIN
            if (caso.segundosAtras > 0) {
                QFile file(path);
                ASSERT_TRUE(file.open(QIODevice::ReadWrite));
                ASSERT_TRUE(
                    file.setFileTime(QDateTime::currentDateTime().addSecs(-caso.segundosAtras),
                                     QFileDevice::FileModificationTime));
            }
#endif
        } else if (!caso.contenido.isNull()) {
            EscribirBloqueo(path, caso.contenido, caso.segundosAtras);
        }
        // Held the way a starting program holds it: open, and on Unix locked.
        QFile abierto(path);
        if (caso.dueno == Dueno::Abierto) {
            ASSERT_TRUE(abierto.open(QIODevice::ReadWrite));
#ifdef Q_OS_UNIX
            ASSERT_EQ(flock(abierto.handle(), LOCK_EX | LOCK_NB), 0);
#endif
        }
        TBloqueoCarpeta bloqueo(dir.path());
        EXPECT_EQ(bloqueo.Tomar(), caso.tomada);
        EXPECT_TRUE(QFile::exists(path));
        if (!caso.tomada) {
            EXPECT_TRUE(bloqueo.MensajeOcupada().contains(QDir::toNativeSeparators(dir.path())));
        }
    }
}
