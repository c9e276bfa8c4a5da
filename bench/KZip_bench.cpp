// Writes the package of a large technical description and compares it with Info-ZIP's
// "zip -6" and with bare zlib (default level, CRC-32) over the same bytes. Every contender
// runs in its own child process under GNU time, which gives its peak memory.
//
//   KZip_bench [megabytes...]        default: 30 300
//
// The technical description alternates 1 MiB of text-like data with 1 MiB of random bytes.

#include "UMedicion.h"
#include "document/UCarpetaTrabajo.h"
#include "package/KZip.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

constexpr qint64 kMiB = qint64(1) << 20;
constexpr int kRuns = 3;
const char* kAttached = "desctec/Descripcion tecnica.pdf";

void WriteProject(const QString& folder) {
    QFile file(folder + "proyecto.xml");
    if (!file.open(QIODevice::WriteOnly))
        std::exit(2);
    file.write("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<import>\r\n");
    for (int i = 0; i < 2000; ++i)
        file.write("  <row rubro=\"Insumos\" descr=\"Reactivos " + QByteArray::number(i) +
                   "\" subsidio=\"" + QByteArray::number(i * 37 % 5000) + "\" year=\"1\"/>\r\n");
    file.write("</import>\r\n");
}

void WriteAttached(const QString& folder, qint64 megabytes) {
    QDir(folder).mkpath("desctec");
    QFile file(folder + kAttached);
    if (!file.open(QIODevice::WriteOnly))
        std::exit(2);
    static const char* words[] = {
        "proyecto", "investigación", "resultados", "muestras", "análisis", "de",
        "la",       "los",           "en",         "se",       "con",      "para",
        "datos",    "método",        "campo",      "etapa",    "informe",  "grupo"};
    std::mt19937_64 engine(42);
    QByteArray chunk(kMiB, Qt::Uninitialized);
    for (qint64 i = 0; i < megabytes; ++i) {
        if (i % 2 == 0) {
            chunk.clear();
            while (chunk.size() < kMiB) {
                chunk += words[engine() % std::size(words)];
                chunk += (engine() % 12 == 0) ? ".\r\n" : " ";
            }
            chunk.truncate(kMiB);
        } else {
            chunk.resize(kMiB);
            for (qsizetype j = 0; j < kMiB; j += 8) {
                const std::uint64_t value = engine();
                std::memcpy(chunk.data() + j, &value, 8);
            }
        }
        file.write(chunk);
    }
}

// Bare zlib over the same two files: 16 KiB reads, CRC-32 and raw deflate at the default
// level, the compressed bytes written to a file.
int RunZlib(const QString& folder, const QString& target) {
    QFile output(target);
    if (!output.open(QIODevice::WriteOnly))
        return 2;
    std::vector<Bytef> in(16384), out(65536);
    for (const QString& name : {QStringLiteral("proyecto.xml"), QString::fromUtf8(kAttached)}) {
        QFile input(folder + name);
        if (!input.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return 2;
        z_stream stream{};
        deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
        uLong crc = crc32(0, nullptr, 0);
        int flush = Z_NO_FLUSH;
        do {
            const qint64 read = input.read(reinterpret_cast<char*>(in.data()), 16384);
            if (read < 0)
                return 2;
            crc = crc32(crc, in.data(), static_cast<uInt>(read));
            flush = read == 0 ? Z_FINISH : Z_NO_FLUSH;
            stream.next_in = in.data();
            stream.avail_in = static_cast<uInt>(read);
            do {
                stream.next_out = out.data();
                stream.avail_out = static_cast<uInt>(out.size());
                deflate(&stream, flush);
                output.write(reinterpret_cast<const char*>(out.data()),
                             static_cast<qint64>(out.size() - stream.avail_out));
            } while (stream.avail_out == 0);
        } while (flush != Z_FINISH);
        deflateEnd(&stream);
    }
    return 0;
}

int RunKZip(const QString& folder, const QString& target) {
    SetWorkingFolder(folder);
    TKZip().ZipFiles(target, 2, {folder + "proyecto.xml", folder + QString::fromUtf8(kAttached)});
    return 0;
}

struct Result {
    double seconds = 0;
    double cpuSeconds = 0;
    long maxRssKiB = 0;
    qint64 outputBytes = 0;
};

// Runs the command in the directory under GNU time, which forks it from its own small
// process: a child spawned straight from here would report this process's peak memory.
Result Spawn(const std::vector<std::string>& arguments, const std::string& directory,
             const QString& output) {
    QFile::remove(output);
    const std::string stats = directory + "time.txt";
    std::string command =
        "cd '" + directory + "' && exec /usr/bin/time -f '%U %S %M' -o '" + stats + "'";
    for (const std::string& a : arguments)
        command += " '" + a + "'";
    std::vector<char*> argv = {const_cast<char*>("/bin/sh"), const_cast<char*>("-c"),
                               command.data(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, "/bin/sh", nullptr, nullptr, argv.data(), environ) != 0)
        std::exit(3);
    int status = 0;
    waitpid(pid, &status, 0);
    Result result;
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "failed: %s\n", command.c_str());
        std::exit(4);
    }
    double user = 0, system = 0;
    if (FILE* file = std::fopen(stats.c_str(), "r")) {
        if (std::fscanf(file, "%lf %lf %ld", &user, &system, &result.maxRssKiB) != 3)
            result.maxRssKiB = -1;
        std::fclose(file);
    }
    result.cpuSeconds = user + system;
    result.outputBytes = QFileInfo(output).size();
    return result;
}

Result Best(const std::vector<Result>& runs) {
    Result best = runs.front();
    for (const Result& r : runs) {
        best.seconds = std::min(best.seconds, r.seconds);
        best.cpuSeconds = std::min(best.cpuSeconds, r.cpuSeconds);
        best.maxRssKiB = std::max(best.maxRssKiB, r.maxRssKiB);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--child") {
        const QString folder = QString::fromLocal8Bit(argv[3]);
        const QString target = QString::fromLocal8Bit(argv[4]);
        return std::string(argv[2]) == "kzip" ? RunKZip(folder, target) : RunZlib(folder, target);
    }
    std::vector<qint64> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoll(argv[i]));
    if (sizes.empty())
        sizes = {30, 300};

    const std::string self =
        QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath().toStdString();
    std::printf("%-8s %-12s %9s %9s %11s %13s\n", "MB", "writer", "wall s", "cpu s", "peak KiB",
                "output bytes");
    for (const qint64 megabytes : sizes) {
        QTemporaryDir work;
        const QString folder = work.path() + "/";
        WriteProject(folder);
        WriteAttached(folder, megabytes);
        const std::string dir = folder.toStdString();
        const QString ours = folder + "paquete.zip";
        const QString info = folder + "zip6.zip";
        const QString bare = folder + "zlib.raw";

        std::vector<Result> kzip, zip6, zlib;
        for (int run = 0; run < kRuns; ++run) {
            kzip.push_back(Spawn({self, "--child", "kzip", dir, ours.toStdString()}, dir, ours));
            zip6.push_back(
                Spawn({"zip", "-6", "-q", "-X", info.toStdString(), "proyecto.xml", kAttached}, dir,
                      info));
            zlib.push_back(Spawn({self, "--child", "zlib", dir, bare.toStdString()}, dir, bare));
        }
        const Result k = Best(kzip), z = Best(zip6), b = Best(zlib);
        const auto line = [&](const char* name, const Result& r) {
            std::printf("%-8lld %-12s %9.2f %9.2f %11ld %13lld\n",
                        static_cast<long long>(megabytes), name, r.seconds, r.cpuSeconds,
                        r.maxRssKiB, static_cast<long long>(r.outputBytes));
        };
        line("TKZip", k);
        line("zip -6", z);
        line("bare zlib", b);
        const auto seconds = [](const std::vector<Result>& runs) {
            std::vector<double> values;
            for (const Result& r : runs)
                values.push_back(r.seconds);
            return values;
        };
        PrintRatios("  wall time, TKZip vs zip -6", seconds(kzip), seconds(zip6));
        PrintRatios("  wall time, TKZip vs bare zlib", seconds(kzip), seconds(zlib));
        const std::string test = "unzip -tqq '" + ours.toStdString() + "'";
        std::printf("%-8lld unzip -t of the package: %s\n", static_cast<long long>(megabytes),
                    std::system(test.c_str()) == 0 ? "ok" : "FAILED");
        std::fflush(stdout);
    }
    return 0;
}
