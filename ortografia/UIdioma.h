#pragma once

// The language a free text is written in, and so checked in.
enum class TIdioma { Espanol, Ingles };
