// A small mutation driver for fuzz targets, used where libFuzzer is not at hand (the system
// compiler is GCC). It takes libFuzzer's arguments that matter here:
//   velorn_xml_fuzz [-runs=N] [-seed=N] [-max_len=N] [-dict=file] corpus-folder-or-file...
// runs=0 runs until stopped. Inputs come from the corpus and are mutated byte- and token-wise
// (XML tokens, and those of the dictionary, in libFuzzer's format); inputs the target accepted
// (returned 0 for, as libFuzzer reads it) join the pool. A crash leaves the input in
// "fuzz-fallo.xml", or in the file -fallo=name names.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using Input = std::vector<std::uint8_t>;

const Input* current = nullptr;
std::string crashFile = "fuzz-fallo.xml";

void SaveAndDie(int signal) {
    if (current) {
        const int handle = ::open(crashFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (handle >= 0) {
            [[maybe_unused]] const ssize_t n = ::write(handle, current->data(), current->size());
            ::close(handle);
        }
        const char message[] = "fuzz: crash, input saved in ";
        [[maybe_unused]] ssize_t n = ::write(2, message, sizeof message - 1);
        n = ::write(2, crashFile.c_str(), crashFile.size());
        n = ::write(2, "\n", 1);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Pieces of XML that byte changes rarely make up.
const char* const kTokens[] = {"<",
                               ">",
                               "/>",
                               "</",
                               "&",
                               ";",
                               "&amp;",
                               "&lt;",
                               "&#0;",
                               "&#x10FFFF;",
                               "&#65279;",
                               "&foo;",
                               "<![CDATA[",
                               "]]>",
                               "<!--",
                               "-->",
                               "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>",
                               "<?pi x?>",
                               "<!DOCTYPE import [<!ENTITY e \"v\">]>",
                               " a=\"1\"",
                               " a='2'",
                               "\"",
                               "\xEF\xBB\xBF",
                               "\xC3\xB1",
                               "\xCE\xA9",
                               "\xC3\x97",
                               "\xFF\xFE",
                               "\r\n",
                               "\t",
                               "\x01",
                               "<a>",
                               "</a>",
                               "<import>",
                               "</import>",
                               "<a><a><a><a><a><a><a><a>",
                               " encoding=\"UTF-16\"",
                               " encoding=\"windows-1252\"",
                               "\x00"};

// The value of a dictionary line (name="value"), its escapes \xHH, \\ and \" read.
bool DictionaryToken(const std::string& line, Input& token) {
    const size_t first = line.find('"');
    const size_t last = line.rfind('"');
    if (line.empty() || line[0] == '#' || first == std::string::npos || last <= first)
        return false;
    token.clear();
    for (size_t i = first + 1; i < last; ++i) {
        if (line[i] == '\\' && i + 3 < last && line[i + 1] == 'x') {
            token.push_back(std::uint8_t(std::stoi(line.substr(i + 2, 2), nullptr, 16)));
            i += 3;
        } else if (line[i] == '\\' && i + 1 < last) {
            token.push_back(std::uint8_t(line[++i]));
        } else {
            token.push_back(std::uint8_t(line[i]));
        }
    }
    return !token.empty();
}

class TMutador {
  public:
    explicit TMutador(unsigned seed, std::vector<Input> tokens)
        : engine_(seed), tokens_(std::move(tokens)) {}

    Input Mutate(const Input& base, const std::vector<Input>& pool, size_t maxLength) {
        Input out = base;
        const int steps = Below(4) == 0 ? 2 + int(Below(3)) : 1;
        for (int i = 0; i < steps; ++i)
            Step(out, pool);
        if (out.size() > maxLength)
            out.resize(maxLength);
        return out;
    }

    size_t Below(size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(engine_);
    }

  private:
    void Step(Input& out, const std::vector<Input>& pool) {
        const size_t at = Below(out.size() + 1);
        switch (Below(8)) {
        case 0:
            if (!out.empty())
                out[Below(out.size())] ^= std::uint8_t(1u << Below(8));
            break;
        case 1:
            if (!out.empty())
                out[Below(out.size())] = std::uint8_t(Below(256));
            break;
        case 2:
            out.insert(out.begin() + std::ptrdiff_t(at), std::uint8_t(Below(256)));
            break;
        case 3: {
            const size_t length = std::min(out.size() - std::min(at, out.size()), Below(16) + 1);
            out.erase(out.begin() + std::ptrdiff_t(at), out.begin() + std::ptrdiff_t(at + length));
            break;
        }
        case 4:
        case 5: {
            const Input& token = tokens_[Below(tokens_.size())];
            out.insert(out.begin() + std::ptrdiff_t(at), token.begin(), token.end());
            break;
        }
        case 6: {
            if (out.empty())
                break;
            const size_t from = Below(out.size());
            const size_t length = std::min(out.size() - from, Below(64) + 1);
            const Input piece(out.begin() + std::ptrdiff_t(from),
                              out.begin() + std::ptrdiff_t(from + length));
            out.insert(out.begin() + std::ptrdiff_t(at), piece.begin(), piece.end());
            break;
        }
        case 7: {
            const Input& other = pool[Below(pool.size())];
            if (other.empty())
                break;
            const size_t from = Below(other.size());
            out.resize(at);
            out.insert(out.end(), other.begin() + std::ptrdiff_t(from), other.end());
            break;
        }
        }
    }

    std::mt19937 engine_;
    std::vector<Input> tokens_;
};

void AddFile(const QString& path, std::vector<Input>& pool) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    pool.emplace_back(bytes.begin(), bytes.end());
}

} // namespace

int main(int argc, char** argv) {
    long long runs = 0;
    unsigned seed = std::random_device{}();
    size_t maxLength = 64 * 1024;
    std::vector<Input> pool;
    std::vector<Input> tokens;
    for (const char* token : kTokens) {
        const size_t length = token[0] ? std::strlen(token) : 1;
        tokens.emplace_back(token, token + length);
    }
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind("-runs=", 0) == 0)
            runs = std::stoll(argument.substr(6));
        else if (argument.rfind("-seed=", 0) == 0)
            seed = unsigned(std::stoul(argument.substr(6)));
        else if (argument.rfind("-max_len=", 0) == 0)
            maxLength = std::stoul(argument.substr(9));
        else if (argument.rfind("-fallo=", 0) == 0)
            crashFile = argument.substr(7);
        else if (argument.rfind("-dict=", 0) == 0) {
            std::ifstream dictionary(argument.substr(6));
            Input token;
            for (std::string line; std::getline(dictionary, line);) {
                if (DictionaryToken(line, token))
                    tokens.push_back(token);
            }
        } else if (argument.rfind("-", 0) == 0)
            continue; // other libFuzzer options
        else if (QFileInfo(QString::fromLocal8Bit(argv[i])).isDir()) {
            QDirIterator files(QString::fromLocal8Bit(argv[i]), QDir::Files,
                               QDirIterator::Subdirectories);
            while (files.hasNext())
                AddFile(files.next(), pool);
        } else {
            AddFile(QString::fromLocal8Bit(argv[i]), pool);
        }
    }
    if (pool.empty())
        pool.emplace_back();
    for (const int signal : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL})
        std::signal(signal, SaveAndDie);

    std::printf("fuzz: %zu corpus inputs, seed %u, %lld runs\n", pool.size(), seed, runs);
    for (const Input& input : pool) {
        current = &input;
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    const size_t corpus = pool.size();
    constexpr size_t kMaxPool = 2000;
    TMutador mutador(seed, tokens);
    for (long long run = 0; runs == 0 || run < runs; ++run) {
        const Input input = mutador.Mutate(pool[mutador.Below(pool.size())], pool, maxLength);
        current = &input;
        const int kept = LLVMFuzzerTestOneInput(input.data(), input.size());
        // Accepted mutants join the pool now and then, so changes build on each other.
        if (kept == 0 && mutador.Below(4) == 0) {
            if (pool.size() < kMaxPool)
                pool.push_back(input);
            else
                pool[corpus + mutador.Below(kMaxPool - corpus)] = input;
        }
        if (runs == 0 && run % 100000 == 0)
            std::printf("fuzz: %lld runs\n", run);
    }
    current = nullptr;
    std::printf("fuzz: done, %lld runs\n", runs);
    return 0;
}
