#include "verificador/UVerificador.h"

#include "verificador/URevisionEntrada.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QMutex>
#include <QThreadPool>
#include <QWaitCondition>

#include <algorithm>
#include <atomic>
#include <optional>
#include <vector>

TVerificador::TVerificador(const QString& instalacion, int hilos)
    : instalacion_(instalacion), hilos_(std::max(1, hilos)) {}

QStringList TVerificador::Entradas(const QStringList& argumentos) {
    QStringList entradas;
    for (const QString& argumento : argumentos) {
        if (!QFileInfo(argumento).isDir()) {
            entradas.append(argumento);
            continue;
        }
        QStringList encontradas;
        QDirIterator archivos(argumento, QDir::Files, QDirIterator::Subdirectories);
        while (archivos.hasNext()) {
            const QFileInfo info(archivos.next());
            if (info.suffix().compare(QLatin1String("zip"), Qt::CaseInsensitive) == 0 ||
                info.fileName() == QLatin1String("proyecto.xml"))
                encontradas.append(info.filePath());
        }
        encontradas.sort();
        entradas.append(encontradas.isEmpty() ? QStringList{argumento} : encontradas);
    }
    return entradas;
}

void TVerificador::Revisar(const QStringList& entradas, const TCadaUno& cadaUno) const {
    const TRevisionEntrada revision(instalacion_);
    std::vector<std::optional<TResultadoEntrada>> listos(size_t(entradas.size()));
    QMutex mutex;
    QWaitCondition hecho;
    std::atomic<qsizetype> siguiente{0};
    const auto trabajar = [&] {
        for (qsizetype i = siguiente++; i < entradas.size(); i = siguiente++) {
            TResultadoEntrada resultado = revision.Revisar(entradas.at(i));
            const QMutexLocker lock(&mutex);
            listos[size_t(i)] = std::move(resultado);
            hecho.wakeAll();
        }
    };
    QThreadPool pool;
    const int hilos = int(std::min<qsizetype>(hilos_, entradas.size()));
    pool.setMaxThreadCount(std::max(1, hilos));
    for (int i = 0; i < hilos; ++i)
        pool.start(trabajar);
    for (size_t i = 0; i < listos.size(); ++i) {
        QMutexLocker lock(&mutex);
        while (!listos[i])
            hecho.wait(&mutex);
        const TResultadoEntrada resultado = std::move(*listos[i]);
        listos[i].reset();
        lock.unlock();
        cadaUno(resultado);
    }
    pool.waitForDone();
}
