#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TXMLProject;

// A fresh temporary folder made the working folder for the life of the object.
class TCarpetaPrueba {
  public:
    TCarpetaPrueba();
    ~TCarpetaPrueba();
    TCarpetaPrueba(const TCarpetaPrueba&) = delete;
    TCarpetaPrueba& operator=(const TCarpetaPrueba&) = delete;

    bool IsValid() const { return dir_.isValid(); }
    QString PathOf(const QString& name) const;
    QString ProyectoPath() const { return PathOf(QStringLiteral("proyecto.xml")); }
    // Writes the file, creating its folder when needed.
    void WriteFile(const QString& name, const QByteArray& bytes) const;
    // A "config.xml" offering one call per type: "Convocatoria A" (ROVA-I-A), "Convocatoria B"
    // (ROVA-I-B), "Convocatoria II A" (ROVA-II-A) and "Convocatoria II B" (ROVA-II-B).
    void WriteConfig() const;

  private:
    QTemporaryDir dir_;
};

// Appends a budget row with the attributes in the order the budget page writes them.
void AddBudgetRow(TXMLProject& document, const QString& year, const QString& rubro,
                  const QString& subsidio, const QString& contraparte,
                  const QString& total = QString());

// Fills every field the verification looks at so that the project passes: a call of
// "Convocatoria A", duration 2 with one "Insumos" line a year (subsidy 1000.5 and counterpart
// 1000.5, written with the separator given) and the computed rows, area "01", every text, an
// "Investigador Responsable", the technical description "desc.pdf" (the file is written into
// "desctec/" of the folder) and the three institutions with a valid beneficiary CUIT.
void FillCompleteProject(TXMLProject& document, const TCarpetaPrueba& carpeta,
                         QChar separator = QLatin1Char('.'));
