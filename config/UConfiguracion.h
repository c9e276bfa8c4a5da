#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class TXMLProject;

// The installation's configuration: "config.xml" (welcome text, the calls offered and, per call
// type, the visibility, caption and help keyword of some form items) and "wrapper.xml" (the
// programs that open generated files). Both files are read only: this class never writes them,
// not even when they are missing.
class TConfiguracion {
  public:
    TConfiguracion();
    // The installation in that folder instead of the working folder.
    explicit TConfiguracion(const QString& carpeta);
    ~TConfiguracion();
    TConfiguracion(const TConfiguracion&) = delete;
    TConfiguracion& operator=(const TConfiguracion&) = delete;

    // Opens "config.xml" of the folder; a missing file is an empty configuration.
    // Raises EXMLError when the file does not parse. Before Open every question gets its
    // default answer, as with an empty configuration.
    void Open();

    QString GetBienvenida() const;
    // The caption of every call offered, in the file's order (duplicates and empty captions
    // included).
    QStringList GetConvocatorias() const;
    // Descriptor file name and call type of the first call with that caption; empty when the
    // caption is not offered.
    QString GetConvocatoriaFile(const QString& caption) const;
    QString GetConvocatoriaType(const QString& caption) const;

    // Per call type settings of a form item ("subarea", "impactoSector", ...). Without an entry
    // for the call's type an item is visible, its caption is "#Error" and its help keyword is
    // "No hay ayuda para este item".
    bool IsVisible(const QString& caption, const QString& item) const;
    QString GetLabel(const QString& caption, const QString& item) const;
    QString GetHelp(const QString& caption, const QString& item) const;

    // The program that "wrapper.xml" names to open the documents of that name ("caratula",
    // "abrirdestino"); empty when the file or the entry is missing. The file is read anew on
    // every call.
    QString GetEjecutarSoft(const QString& name) const;

  private:
    QString PerTypeValue(const QString& section, const QString& caption, const QString& item,
                         const QString& defaultValue) const;

    QString baseFolder_;
    std::unique_ptr<TXMLProject> document_;
};
