#pragma once

#include "document/UXMLProject.h"
#include "rules/UHallazgos.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class TConfiguracion;

// One verification of a stored project: the file is opened anew, checked against every rule,
// and the outcome recorded in its flag "project/document/isDraft/". The file is written only
// when the flag changes, so a project that fails again after a store is left as stored.
class TVerificacion {
  public:
    // Opens the file; EXMLError when it does not parse.
    explicit TVerificacion(const QString& fileName);

    // The two lines that say the project passed.
    static QStringList MensajesExito();

    // Every broken rule, in the rules' order; none when the project passed.
    THallazgos Check(const TConfiguracion& configuracion);
    // Sets the flag to "1" when verified and "0" otherwise, and releases the document, which
    // writes it when the flag changed. EXMLError when it cannot be written.
    void Finish(bool verified);

  private:
    QByteArray read_; // the stored file, so that writing the flag changes nothing else in it
    TXMLProject document_;
};
