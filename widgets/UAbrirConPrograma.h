#pragma once

#include <QString>

#include <memory>

class TConfiguracion;

// Every file or folder the program hands to another program goes through here, so that the
// windows can be driven without starting anything.
class TAbridor {
  public:
    virtual ~TAbridor() = default;

    // Starts the program with the argument as its only parameter; does not wait for it.
    virtual void StartProgram(const QString& program, const QString& argument) = 0;
    // Opens the file or folder with the desktop's default program for it.
    virtual void OpenWithDefault(const QString& path) = 0;
};

// The opener in force: the desktop's unless replaced.
TAbridor& Abridor();
// Replaces the opener in force; nullptr goes back to the desktop's.
void SetAbridor(std::unique_ptr<TAbridor> abridor);

// Opens the path with the program that "wrapper.xml" names for the purpose ("caratula",
// "abrirdestino"), or with the desktop's default program when it names none. Whether the
// program started is not examined. A "wrapper.xml" that cannot be read is reported with its
// error's text, and nothing is opened.
void OpenWithConfiguredProgram(const TConfiguracion& configuracion, const QString& name,
                               const QString& path);
