#pragma once
// Saving a file so that a failure never costs the student the previous one.
#include <string>
#include <string_view>

namespace calorix {

// Replaces the contents of the file at path with bytes, or creates it.  The
// bytes go to a temporary file in the same folder, which is flushed to the
// disk and then renamed over path, so path holds either the old contents or
// the new ones, never a part.  A new file gets the usual permissions (0666
// less the umask), a replaced one keeps its own; a symbolic link is followed.
// On any failure (folder missing or read-only, a file the user may not
// write, disk full, a file size limit, a folder in the way) the temporary is removed, path is left
// exactly as it was and the result is false.
bool Replace_File_Contents(const std::string& path, std::string_view bytes);

}  // namespace calorix
