#include "package/UNombrePortable.h"

#include <QStringList>

namespace {

bool ForbiddenCharacter(QChar c) {
    static const QString kForbidden = QStringLiteral("\\/:*?\"<>|");
    return c.unicode() < 0x20 || c.unicode() == 0x7F || kForbidden.contains(c);
}

// Windows reserves these with any extension, in any case, and with blanks before the dot.
bool ReservedDeviceName(const QString& name) {
    const QString base = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    static const QStringList kDevices = {QStringLiteral("CON"), QStringLiteral("PRN"),
                                         QStringLiteral("AUX"), QStringLiteral("NUL")};
    if (kDevices.contains(base))
        return true;
    if (base.size() != 4 ||
        !(base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT"))))
        return false;
    const QChar last = base.at(3);
    // Digits, and the superscripts one to three, which Windows takes for digits here.
    return (last >= QLatin1Char('0') && last <= QLatin1Char('9')) || last == QChar(0x00B9) ||
           last == QChar(0x00B2) || last == QChar(0x00B3);
}

enum class Problema { Ninguno, Caracter, Final, Reservado };

Problema ProblemOf(const QString& name) {
    for (const QChar c : name)
        if (ForbiddenCharacter(c))
            return Problema::Caracter;
    if (name.isEmpty() || name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return Problema::Final;
    if (ReservedDeviceName(name))
        return Problema::Reservado;
    return Problema::Ninguno;
}

} // namespace

QString AttachmentNameProblem(const QString& name) {
    const QString start = QStringLiteral("No se pudo adjuntar el archivo \"%1\"; ").arg(name);
    switch (ProblemOf(name)) {
    case Problema::Ninguno:
        return QString();
    case Problema::Caracter:
        return start + QStringLiteral("el nombre no puede contener los caracteres \\ / : * ? \" "
                                      "< > | ni caracteres de control.");
    case Problema::Final:
        return start + QStringLiteral("el nombre no puede terminar en punto ni en espacio.");
    case Problema::Reservado:
        return start + QStringLiteral("\"%1\" es un nombre reservado de Windows.")
                           .arg(name.section(QLatin1Char('.'), 0, 0).trimmed());
    }
    return QString();
}

bool IsPortableEntryName(const QString& entryName) {
    const QStringList parts = entryName.split(QLatin1Char('/'));
    for (const QString& part : parts)
        if (ProblemOf(part) != Problema::Ninguno)
            return false;
    return true;
}
