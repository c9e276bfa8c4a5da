#pragma once

#include <QObject>

class TPaginaGrupos;
class TPaginaInstitucion;

// The command "Importar de otro proyecto...": the user picks an earlier project or package and
// the persons and institutions to copy from it. Persons are stored into the project at once,
// with the group editor's checks; institutions go into their pages, to be stored like typed
// values. What was done, and what was refused, is reported at the end.
class TImportarProyecto : public QObject {
    Q_OBJECT
  public:
    // The pages must outlive this object.
    TImportarProyecto(TPaginaGrupos* grupos, TPaginaInstitucion* beneficiaria,
                      TPaginaInstitucion* dependencia, TPaginaInstitucion* ejecutora,
                      QObject* parent);

    // Runs the command; a file that is refused changes nothing.
    void Importar();

  signals:
    // Persons were written into the project, and the group lists show the file again.
    void personasGuardadas();
    // An institution's values went into its page, not yet stored.
    void institucionCopiada();

  private:
    TPaginaGrupos* grupos_;
    TPaginaInstitucion* beneficiaria_;
    TPaginaInstitucion* dependencia_;
    TPaginaInstitucion* ejecutora_;
};
