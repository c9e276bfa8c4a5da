// Start-up: from process start to the main window shown and painted (offscreen), the program
// (bench/UArranque.cpp, what app/main.cpp does) beside a bare Qt Widgets program that shows a
// QMainWindow (bench/UVentanaVacia.cpp). Both are started as child processes, one after the
// other in every run: the program on an installation without a project, then on one with a
// 5 MB project (300 persons with 12000-character CVs, 3 x 300 budget lines), each paired with
// a bare window of the same run. A third program, the floor (bench/UVentanaMinima.cpp), shows
// only the program's menu bar, toolbar and one line of text after the program's application
// set-up: what no version of the program can skip, so its ratio tells how near the goal can be.
// Peak memory is each child's maximum resident set.
// Run: build/bench/Arranque_bench [runs]
#include "UMedicion.h"
#include "support/UProyectoGrande.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct TArranque {
    double ms = 0;  // until the line "listo"
    double mib = 0; // peak resident memory
};

// Starts the program with the argument, waits for its "listo" and for its end.
TArranque Arrancar(const char* program, const std::string& argument) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        std::abort();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv = {const_cast<char*>(program)};
    if (!argument.empty())
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program, &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program);
        std::exit(1);
    }
    close(pipeFds[1]);
    std::string out;
    char buffer[64];
    TArranque arranque;
    while (out.find("listo\n") == std::string::npos) {
        const ssize_t n = read(pipeFds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        out.append(buffer, size_t(n));
    }
    arranque.ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    close(pipeFds[0]);
    posix_spawn_file_actions_destroy(&actions);

    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (out.find("listo\n") == std::string::npos || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s %s did not get ready\n", program, argument.c_str());
        std::exit(1);
    }
    arranque.mib = usage.ru_maxrss / 1024.0; // kilobytes on Linux
    return arranque;
}

struct TLado {
    std::vector<double> ms, mib;
    void Add(const TArranque& a) {
        ms.push_back(a.ms);
        mib.push_back(a.mib);
    }
};

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    // Offscreen unless the caller chose a platform (QT_QPA_PLATFORM=xcb under xvfb-run, say).
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    QTemporaryDir vacia, grande;
    TProyectoGrande::CopyFolder(QStringLiteral(DATOS_MUESTRA), vacia.path());
    TProyectoGrande::CopyFolder(QStringLiteral(DATOS_MUESTRA), grande.path());
    const QString proyecto = grande.filePath(QStringLiteral("proyecto.xml"));
    TProyectoGrande::Build(proyecto, QStringLiteral("ROVA-I-A-2026"), 300, 300);
    QFile::remove(proyecto + QStringLiteral(".bak"));
    QDir().mkpath(grande.filePath(QStringLiteral("desctec")));
    std::printf("project: %.2f MB, 300 persons, 3 x 300 budget lines; %d runs\n",
                QFileInfo(proyecto).size() / 1e6, runs);

    const std::string carpetaVacia = vacia.path().toStdString() + "/";
    const std::string carpetaGrande = grande.path().toStdString() + "/";
    // Warm the file cache and the dynamic loader for both programs.
    Arrancar(VENTANA_VACIA, std::string());
    Arrancar(VELORN_ARRANQUE, carpetaVacia);

    Arrancar(VENTANA_MINIMA, std::string());

    TLado bareVacia, programaVacia, bareGrande, programaGrande, bareMinima, minima;
    for (int run = 0; run < runs; ++run) {
        bareVacia.Add(Arrancar(VENTANA_VACIA, std::string()));
        programaVacia.Add(Arrancar(VELORN_ARRANQUE, carpetaVacia));
        bareGrande.Add(Arrancar(VENTANA_VACIA, std::string()));
        programaGrande.Add(Arrancar(VELORN_ARRANQUE, carpetaGrande));
        bareMinima.Add(Arrancar(VENTANA_VACIA, std::string()));
        minima.Add(Arrancar(VENTANA_MINIMA, std::string()));
    }
    std::printf("milliseconds, program vs bare QMainWindow:\n");
    PrintRatios("start-up, no project", programaVacia.ms, bareVacia.ms, 1.5);
    PrintRatios("start-up, 5 MB project", programaGrande.ms, bareGrande.ms, 2.0);
    PrintRatios("floor: menus, toolbar, one text", minima.ms, bareMinima.ms);
    std::printf("peak memory (MiB), program vs bare QMainWindow:\n");
    PrintRatios("no project", programaVacia.mib, bareVacia.mib);
    PrintRatios("5 MB project", programaGrande.mib, bareGrande.mib);
    PrintRatios("floor", minima.mib, bareMinima.mib);
    return 0;
}
