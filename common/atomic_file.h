#pragma once
// Saving a file so that a failure never costs the student the previous one.
#include <string>
#include <string_view>

namespace calorix {

// Replaces the contents of the file at path with bytes, or creates it; a
// symbolic link is followed.
//
// Where the folder allows it, the bytes go to a temporary file in the same
// folder, which is flushed to the disk and then renamed over path, so path
// holds either the old contents or the new ones, never a part.  The new file
// takes over the mode, owner and group of the old one.
//
// Where that cannot be done (a folder the user may not write, such as a
// course folder holding a file the student may edit, or an owner the process
// cannot give away), and for a file with other hard links, which a rename
// would part from it, the file is rewritten in place: its old bytes are read
// first, the new ones written over them and the size checked, and a write
// that fails part-way puts the old bytes back.
//
// A new file gets the usual permissions (0666 less the umask).  On any failure
// (folder missing, a file the user may not write, disk full, a file size
// limit, a folder in the way) no temporary is left behind, path is left as it
// was and the result is false.
bool Replace_File_Contents(const std::string& path, std::string_view bytes);

// For tests: while set, no temporary file can be made, as in a folder the
// user may not write, whoever runs the test (root writes any folder).
void Fail_Temporary_Files_For_Testing(bool fail);

}  // namespace calorix
