#pragma once

#include <QObject>

class TConfiguracion;
class TXMLProject;

// The command "Generar carátula": writes the cover pages of the stored project into
// "caratula.htm" of the working folder and opens the file with the program "wrapper.xml"
// names for "caratula", or with the desktop's program for it.
class TGeneradorCaratula : public QObject {
    Q_OBJECT
  public:
    explicit TGeneradorCaratula(QObject* parent = nullptr);

    // Only a verified project has cover pages: otherwise the user is told and nothing is
    // written. The stored project is opened here, and the pages are written on this thread
    // once the command has returned. Raises EXMLError when the project does not parse. The
    // configuration must outlive this object.
    void CaratulaMenuItemClick(bool verified, const TConfiguracion& configuracion);

    static QString CoverPath();

  private:
    // Writes the pages, then shows them; pages that could not be written are reported and
    // not shown, so that no viewer shows an older file.
    void Generate(TXMLProject& document, const TConfiguracion& configuracion);
    void OpenCoverPages(const TConfiguracion& configuracion);
};
