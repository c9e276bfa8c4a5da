#include "document/URecuperacion.h"

#include "document/UArchivoAtomico.h"
#include "document/UArchivoProyecto.h"
#include "document/UCarpetaTrabajo.h"

#include <QFile>
#include <QFileInfo>

QString TRecuperacion::Nombre() {
    return WorkingFolder() + QStringLiteral("proyecto.recuperacion.xml");
}

bool TRecuperacion::Escribir(const std::string& bytes) {
    return TArchivoAtomico::WriteFile(
        Nombre(), QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())), nullptr);
}

void TRecuperacion::Eliminar() {
    QFile::remove(Nombre());
}

bool TRecuperacion::HayParaRecuperar() {
    const QFileInfo copia(Nombre());
    if (!copia.isFile())
        return false;
    const QFileInfo proyecto(TArchivoProyecto::Nombre());
    return !proyecto.exists() || copia.lastModified() >= proyecto.lastModified();
}

QDateTime TRecuperacion::Fecha() {
    return QFileInfo(Nombre()).lastModified();
}

QString TRecuperacion::Apartar() {
    const QString base = WorkingFolder() + QStringLiteral("proyecto.recuperacion-") +
                         Fecha().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString destino = base + QStringLiteral(".xml");
    for (int n = 2; QFileInfo::exists(destino); ++n)
        destino = base + QStringLiteral("-%1.xml").arg(n);
    return QFile::rename(Nombre(), destino) ? destino : QString();
}
