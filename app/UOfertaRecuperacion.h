#pragma once

// At start, a recovery copy newer than the project is offered to the user: the work of a
// program that ended without closing is not lost, nor forced on the user.
class TOfertaRecuperacion {
  public:
    // True when there is such a copy and the user wants it back; the caller then loads it. A
    // declined copy is kept aside under a dated name, so that a wrong click loses nothing.
    static bool Aceptada();
};
