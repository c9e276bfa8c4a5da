// velorn-verificar: the agency's check of received packages, from the command line. No window,
// no display: Qt Core only.
#include "verificador/UProgramaVerificador.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

// The progress line goes only to a person watching, never into a file or a pipe.
bool ErroresEnTerminal() {
#ifdef Q_OS_UNIX
    return isatty(STDERR_FILENO) != 0;
#elif defined(Q_OS_WIN)
    return _isatty(_fileno(stderr)) != 0;
#else
    return false;
#endif
}

// The report's bytes as they are on every system: a CSV's CRLF must not become CR CR LF.
void SalidaBinaria() {
#ifdef Q_OS_WIN
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velorn-verificar"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELORN_VERSION));
#ifdef Q_OS_WIN
    // The report is UTF-8; the console shows it as such.
    SetConsoleOutputCP(CP_UTF8);
#endif
    SalidaBinaria();
    QFile salida;
    QFile errores;
    // Unbuffered: each input's report goes out as it comes.
    if (!salida.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !errores.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 2;
    return TProgramaVerificador::Ejecutar(QCoreApplication::arguments(), salida, errores,
                                          ErroresEnTerminal(),
                                          QCoreApplication::applicationDirPath());
}
