#pragma once

#include "document/UErrores.h"

// A package that could not be written completely; no archive is left at its path.
class EZipError : public EVelornError {
  public:
    using EVelornError::EVelornError;
};
