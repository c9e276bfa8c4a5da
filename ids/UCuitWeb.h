#pragma once

#include <QString>

// Check digit of an Argentine CUIT/CUIL number, as the user types it (eleven digits, no
// dashes). It only reports; the number is never changed.
class TCuitWeb {
  public:
    // True when the text is exactly eleven ASCII digits and the last one is the check digit
    // of the first ten. Never throws: anything malformed is just false.
    bool IsValidCuit(const QString& number) const;
};
