#pragma once

#include <QByteArray>

// Compares a whole written file with its checked-in copy in tests/golden/, reporting the first
// place where they part. With VELORN_ACTUALIZAR_GOLDEN set, writes the copy anew instead (for
// review with git diff).
void ExpectSameAsGolden(const QByteArray& actual, const char* name);
