#include <clocale>
#include <cstdio>

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // Qt takes the environment's locale; numbers in files never follow it.
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setApplicationName(QStringLiteral("velorn"));
    std::puts("velorn: the core is built; the main window comes next.");
    return 0;
}
