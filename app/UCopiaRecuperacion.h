#pragma once

#include <QObject>

#include <functional>

class QTimer;
class TXMLProject;

// Keeps the recovery copy of edits not yet stored: written when the window asks (a section
// left) and every two minutes while edits are pending, so that a crash loses little.
class TCopiaRecuperacion : public QObject {
    Q_OBJECT
  public:
    // escribir puts into a document what a store would write.
    TCopiaRecuperacion(std::function<void(TXMLProject&)> escribir, QObject* parent);

    // An edit the file does not hold yet: the copy is due.
    void MarcarEdicion();
    // While edits are pending, writes the copy, never touching "proyecto.xml"; a project that
    // cannot be read gets no copy and the edits stay pending.
    void Escribir();
    // Something was written into the project outside a store (a person): the file is now newer
    // than the copy, so with unstored edits the copy is written again to stay the newer one.
    void ProyectoEscrito();
    // The window's content is stored: nothing pending, and no copy left.
    void Guardado();

  private:
    std::function<void(TXMLProject&)> escribir_;
    QTimer* timer_;
    // Edits not yet in the copy, and edits not yet stored.
    bool edicionesPendientes_ = false;
    bool cambiosSinGuardar_ = false;
};
