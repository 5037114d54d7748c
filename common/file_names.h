#pragma once
// File names between the windows, which hold text, and the file system,
// which holds bytes.  A name need not be valid text: a file copied from an
// older system may be called "caf\xe9.clx" (Latin-1) on a UTF-8 system.  The
// program keeps every path as the bytes the system gives and turns it into
// text only to show it.
#include <QString>
#include <string>

namespace calorix {

// The bytes of a path a dialog returned or a user typed, in the local
// encoding.  For a file to be read that does not exist under that spelling,
// the Latin-1 spelling of the same name is taken when such a file exists, so
// that typing "café.clx" finds a file named in Latin-1 (which the dialogs
// cannot list, its name being no valid text).
std::string File_System_Path(const QString& path, bool existing_file);

// A path as text to show: bytes that are not text in the local encoding show
// as the replacement character.
QString Shown_Path(const std::string& path);

}  // namespace calorix
