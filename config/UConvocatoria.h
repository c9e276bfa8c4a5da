#pragma once

#include <QString>

#include <memory>

class TXMLProject;

// One call descriptor, "convoc/" + file + ".xml" in the working folder: year, type, category,
// project type, opening and closing dates and maximum duration of a call. Read only: the
// descriptor is never written, not even when it is missing (then every value is empty).
class TConvocatoria {
  public:
    TConvocatoria();
    ~TConvocatoria();
    TConvocatoria(const TConvocatoria&) = delete;
    TConvocatoria& operator=(const TConvocatoria&) = delete;

    // Opens the descriptor named file (without folder and extension). Raises EXMLError when
    // the descriptor does not parse.
    void Open(const QString& file);
    // The file given to the last successful Open.
    const QString& File() const { return file_; }

    QString GetAnoConvocatoria() const;
    QString GetTipoConvocatoria() const;
    QString GetCategoria() const;
    QString GetTipoProyecto() const;
    // Dates exactly as stored, not interpreted.
    QString GetFechaApertura() const;
    QString GetFechaCierre() const;
    // A whole number of years, as stored.
    QString GetDuracionMaxima() const;

  private:
    QString Text(const QString& path) const;
    QString Attribute(const QString& path, const QString& name) const;

    QString baseFolder_;
    QString file_;
    std::unique_ptr<TXMLProject> document_;
};
