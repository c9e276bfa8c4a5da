#pragma once

#include "form/URegistroCampos.h"

// The record of the general data below "project/document/properties/", in the order its
// fields are written. Without a regional priority in the call, the priority is written as the
// fixed choice "No Aplica"; reading takes the priority as a choice either way.
TRegistroCampos RegistroDatosGenerales(bool prioridadRegional = true);
