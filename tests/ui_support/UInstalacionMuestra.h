#pragma once

#include <QString>

// Copies the sample installation of the source tree (data/: configuration, call descriptors,
// help texts) into the folder. False when nothing could be copied.
bool CopySampleInstallation(const QString& folder);
