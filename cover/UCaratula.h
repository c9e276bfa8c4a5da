#pragma once

#include "form/UListaPresupuesto.h"

#include <QByteArray>
#include <QString>

class TXMLProject;

// Writes the three cover pages (project, organisations, group) of a stored project into one
// HTML file, "caratula.htm", to be printed and signed.
//
// The document is only read; reading may add empty elements to it in memory, so the caller
// discards it afterwards rather than saving it.
class TCaratula {
  public:
    explicit TCaratula(TXMLProject& document);

    // The whole file: Windows-1252 bytes, one line, no character-set declaration. Document
    // values are escaped, so they print as typed.
    QByteArray CoverPages();

    // Writes CoverPages() at path. The file is replaced only once the new one is complete;
    // raises EVelornError when it cannot be written, and the old file then stays as it was.
    void WriteCoverPages(const QString& path);

  private:
    QString Text(const QString& path);
    QString Institucion(const QString& element, const QString& field);

    void PageTitle(const QString& text);
    void Heading(const QString& text);
    void TableStart();
    void TableEnd();
    void LabelRow(const QString& label, const QString& value);
    void PlainRow(const QStringList& cells);

    void ConvocatoriaBlock();
    void DatosGeneralesBlock();
    void ResponsableBlock();
    void PresupuestoBlock();
    void GrupoBlock(bool firmas);
    void GrupoRows(const QString& grupo, bool firmas);
    void InstitucionRow(const QString& label, const QString& element);
    void InstitucionesBlock();
    void BeneficiariaBlock();
    void EjecutoraBlock();

    TXMLProject& document_;
    QString responsable_;
    TPresupuestoItems presupuesto_;
    QString html_;
};
