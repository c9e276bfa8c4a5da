// The agency's verifier on 500 received packages (a fifth of them failing a rule, attachments of
// 64 KB to 2 MB that deflate to about four fifths, as PDFs with compressed streams do), on one
// thread and on every core, against Info-ZIP's "unzip -t" testing the same packages in one process;
// runs alternated, ratios paired run by run.
//   Verificador_bench [runs] [packages]
#include "UMedicion.h"
#include "document/UArchivoProyecto.h"
#include "document/UXMLProject.h"
#include "form/URegistroDatosGenerales.h"
#include "package/KZip.h"
#include "support/UProyectoPrueba.h"
#include "verificador/UProgramaVerificador.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

// Random bytes of a small alphabet: no repeats for deflate to find, but codes to decode.
QByteArray ComoPdf(qsizetype size, unsigned seed) {
    std::mt19937 engine(seed);
    QByteArray bytes("%PDF-1.4\n");
    bytes.reserve(size);
    while (bytes.size() < size)
        bytes += char(32 + engine() % 96);
    return bytes;
}

// A few distinct packages, copied under the names of many applicants.
void WritePackages(const TCarpetaPrueba& carpeta, const QString& destino, int count) {
    const qsizetype sizes[] = {64 << 10, 256 << 10, 512 << 10, 1 << 20, 2 << 20};
    QStringList modelos;
    for (int i = 0; i < 10; ++i) {
        const bool passing = i % 5 != 4;
        TXMLProject documento(carpeta.ProyectoPath());
        FillCompleteProject(documento, carpeta);
        TRegistroCampos datosGenerales = RegistroDatosGenerales(false);
        datosGenerales.Leer(documento);
        datosGenerales.SetValor(QStringLiteral("tituloEdit"),
                                passing ? QStringLiteral("Suelos %1").arg(i) : QString());
        datosGenerales.Escribir(documento);
        TArchivoProyecto::SetVerificado(documento, passing);
        documento.Save(true);
        documento.Release();
        carpeta.WriteFile(QStringLiteral("desctec/desc.pdf"),
                          ComoPdf(sizes[i % std::size(sizes)], unsigned(i)));
        modelos << carpeta.PathOf(QStringLiteral("modelo%1.zip").arg(i));
        TKZip().ZipFiles(
            modelos.last(), 2,
            {carpeta.ProyectoPath(), carpeta.PathOf(QStringLiteral("desctec/desc.pdf"))});
    }
    QDir().mkpath(destino);
    for (int i = 0; i < count; ++i)
        QFile::copy(modelos.at(i % modelos.size()),
                    destino + QStringLiteral("/%1.zip").arg(20000000 + i));
}

int Verificar(const QString& instalacion, const QString& carpeta, int hilos) {
    QBuffer salida;
    QBuffer errores;
    salida.open(QIODevice::WriteOnly);
    errores.open(QIODevice::WriteOnly);
    return TProgramaVerificador::Ejecutar({QStringLiteral("velorn-verificar"),
                                           QStringLiteral("--json"), QStringLiteral("--hilos"),
                                           QString::number(hilos), carpeta},
                                          salida, errores, false, instalacion);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const int count = argc > 2 ? std::max(1, std::atoi(argv[2])) : 500;
    const QString unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
    if (unzip.isEmpty()) {
        std::printf("unzip is missing; install it to compare\n");
        return 1;
    }

    TCarpetaPrueba carpeta;
    carpeta.WriteConfig();
    const QString recibidos = carpeta.PathOf(QStringLiteral("recibidos"));
    WritePackages(carpeta, recibidos, count);
    qint64 bytes = 0;
    for (const QFileInfo& info : QDir(recibidos).entryInfoList(QDir::Files))
        bytes += info.size();
    const int nucleos = QThread::idealThreadCount();
    std::printf("%d packages, %.1f MB; %d cores\n", count, bytes / 1e6, nucleos);

    std::vector<double> uno, todos, unzipT;
    int estado = -1;
    int estadoUnzip = -1;
    for (int run = 0; run < runs; ++run) {
        uno.push_back(Ms([&] { estado = Verificar(carpeta.PathOf(QString()), recibidos, 1); }));
        todos.push_back(
            Ms([&] { estado = Verificar(carpeta.PathOf(QString()), recibidos, nucleos); }));
        unzipT.push_back(Ms([&] {
            estadoUnzip = QProcess::execute(
                unzip, {QStringLiteral("-tqq"), recibidos + QStringLiteral("/*.zip")});
        }));
    }
    std::printf("verifier exit status %d (1: some fail, as they should), unzip -t %d\n", estado,
                estadoUnzip);
    PrintRatios("verifier, 1 thread vs unzip -t", uno, unzipT);
    PrintRatios("verifier, all cores vs unzip -t", todos, unzipT);
    PrintRatios("verifier, all cores vs 1 thread", todos, uno);
    return 0;
}
