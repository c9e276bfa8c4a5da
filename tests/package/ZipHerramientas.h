#pragma once

// Reads an archive with the tools the agency's side may use: Info-ZIP's unzip (listing,
// test, extraction) and zipinfo, and Python's zipfile. Each names what it sees, so a test can
// compare it with what was written.

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

struct ZipToolReport {
    QString available; // empty when every tool ran; else what is missing
    int testResult = -1;
    QString testOutput;
    QStringList listNames;    // unzip -l
    QStringList zipinfoNames; // zipinfo -1
    QStringList pythonNames;  // zipfile.namelist()
    QString pythonOutput;
    QStringList extracted; // files unzip extracted, relative to the folder, sorted
};

inline QString RunZipTool(const QString& program, const QStringList& arguments, int* result) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(120000);
    if (result)
        *result = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAll());
}

inline ZipToolReport ReadWithZipTools(const QString& archive, const QString& extractTo) {
    ZipToolReport report;
    QStringList missing;
    for (const char* tool : {"unzip", "zipinfo", "python3"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            missing << QString::fromLatin1(tool);
    if (!missing.isEmpty()) {
        report.available = QStringLiteral("missing tools: ") + missing.join(QLatin1Char(' '));
        return report;
    }
    report.testOutput = RunZipTool("unzip", {"-t", archive}, &report.testResult);

    const QRegularExpression listLine(QStringLiteral("^\\s*\\d+\\s+\\S+\\s+\\S+\\s+(.+)$"));
    const QStringList lines = RunZipTool("unzip", {"-l", archive}, nullptr).split('\n');
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = listLine.match(line);
        if (match.hasMatch() && !line.contains(QLatin1String(" files")))
            report.listNames << match.captured(1);
    }
    report.zipinfoNames =
        RunZipTool("zipinfo", {"-1", archive}, nullptr).split('\n', Qt::SkipEmptyParts);

    int pythonResult = -1;
    report.pythonOutput = RunZipTool("python3",
                                     {"-c",
                                      "import sys, zipfile\n"
                                      "z = zipfile.ZipFile(sys.argv[1])\n"
                                      "bad = z.testzip()\n"
                                      "print('\\n'.join(z.namelist()))\n"
                                      "sys.exit(1 if bad else 0)\n",
                                      archive},
                                     &pythonResult);
    if (pythonResult == 0)
        report.pythonNames = report.pythonOutput.split('\n', Qt::SkipEmptyParts);

    QDir().mkpath(extractTo);
    RunZipTool("unzip", {"-o", "-q", archive, "-d", extractTo}, nullptr);
    QDirIterator files(extractTo, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        report.extracted << QDir(extractTo).relativeFilePath(files.next());
    report.extracted.sort();
    return report;
}
