#pragma once

#include "document/UXMLProject.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// Copies group members and institutions from an earlier application: a "proyecto.xml" or a
// package written by this program, read with the core only (a package in memory). Persons are
// stored as the group editor stores them, with the same checks and texts; the institutions'
// values go into their pages, which store them as typed values. A coded value whose code the
// current lists no longer have is left out and reported, so the user chooses it again.
class TImportacion {
  public:
    struct TPersona {
        QString grupo; // "gruporesponsable" or "grupocolaborador"
        QString cuil;
        QString nombre;
        QString apellido;
        QString rol;
        TXMLNode participante; // in the document read, while the import lives
    };
    struct TInstitucion {
        QString raiz;   // "beneficiaria", "dependencia", "ejecutora"
        QString nombre; // as the section list names it
    };
    struct TResultado {
        int importadas = 0;
        // One line a refused person or a value left out, for the user.
        QStringList informe;
    };

    // Reads the file; EVelornError (with a message for the user) when it is refused: it does
    // not parse, is of another format version, or is a package refused by TLectorPaquete.
    static std::unique_ptr<TImportacion> Abrir(const QString& path);
    ~TImportacion();

    // The members of both groups, responsible group first, each CUIL once, in file order.
    std::vector<TPersona> Personas() const;
    // The institutions that hold any value in the file.
    std::vector<TInstitucion> Instituciones() const;
    // The document read, for the institution pages to load from.
    TXMLProject& Origen() { return *origen_; }

    // Stores the persons into the project file one at a time, each checked as the group editor
    // checks it (a valid CUIL, not already in either group, only one "Investigador
    // Responsable"), and writes the file once. A refused person is reported by name with the
    // reason; the others are still stored. Raises the file's error when it cannot be written,
    // and then the file is unchanged.
    TResultado ImportarPersonas(const std::vector<TPersona>& personas, const QString& destino);
    // Leaves out of the institution's values in the read document every coded value whose code
    // the lists no longer have, and reports them.
    QStringList DepurarInstitucion(const TInstitucion& institucion);

  private:
    explicit TImportacion(std::unique_ptr<TXMLProject> origen);

    std::unique_ptr<TXMLProject> origen_;
};
