#pragma once

#include <QString>

#include <memory>

class QLockFile;

// One program per working folder: the group editor writes "proyecto.xml" at once, so two
// copies on one folder would overwrite each other's work. The lock is a file in the folder; a
// lock left by a program that crashed, or by a machine that was switched off, is taken over.
class TBloqueoCarpeta {
  public:
    explicit TBloqueoCarpeta(const QString& folder);
    ~TBloqueoCarpeta();
    TBloqueoCarpeta(const TBloqueoCarpeta&) = delete;
    TBloqueoCarpeta& operator=(const TBloqueoCarpeta&) = delete;

    // Takes the folder; false when another running program holds it.
    bool Tomar();
    // Who holds the folder, for the user: the process and the machine.
    QString Ocupante() const;
    // The message for a start refused because the folder is in use.
    QString MensajeOcupada() const;

    static QString NombreArchivo();
    // How old a lock file that names no holder must be before it is taken as left by a crash.
    static constexpr qint64 kSegundosSinDueno = 10;

  private:
    QString folder_;
    std::unique_ptr<QLockFile> lock_;
};
