#pragma once

#include <QString>

// The few file-system calls that Qt does not offer, each with a portable fallback.

// Forces the file's data to the disk; true where the system offers no such call.
bool SyncToDisk(int handle);
// The size of the open file as the file system records it, or -1 when unknown.
qint64 SizeOnDisk(int handle);
// Makes a rename in the folder durable; nothing where the system offers no such call.
void SyncFolder(const QString& folder);
// Gives the file a second name in the same file system; false where that is not possible.
bool HardLink(const QString& existing, const QString& newName);
// False when another program still holds the file open so that it cannot be replaced, after
// waiting a moment for it (Windows); true where open files never stop a replacement.
bool WaitUntilReplaceable(const QString& path);
