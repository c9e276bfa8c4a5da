#pragma once

#include "widgets/UAbrirConPrograma.h"

// Opens files and folders on the user's desktop: a named program is started detached, with
// the path as its one argument; otherwise the desktop picks the program for the file.
class TAbridorEstandar : public TAbridor {
  public:
    void StartProgram(const QString& program, const QString& argument) override;
    void OpenWithDefault(const QString& path) override;
};
