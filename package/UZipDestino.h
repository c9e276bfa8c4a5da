#pragma once

#include <minizip/ioapi.h>

class QSaveFile;

// minizip's file functions over an open QSaveFile: the zip writer writes, seeks back to
// patch local headers and tells positions through them, and the archive only appears at its
// path when the caller commits the file. Closing through minizip leaves the file open.
zlib_filefunc64_def SaveFileFunctions(QSaveFile& file);
