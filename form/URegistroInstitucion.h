#pragma once

#include "form/URegistroCampos.h"

// The records of the three institutions, below "<element>/document/properties/", in the order
// their fields are written: acronym, full name, address kind (fixed by the institution),
// address, then the legal representative, the year of foundation and the beneficiary's own
// organisation data where the institution has them. Controls are named with the page's prefix.
TRegistroCampos RegistroBeneficiaria();
TRegistroCampos RegistroDependencia();
TRegistroCampos RegistroEjecutora();
