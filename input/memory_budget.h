#pragma once
// How much memory a run may still take.  Physical memory says little: the
// program may run inside a control group with a limit far below it (a
// container, a desktop session slice), and other programs hold much of the
// rest.  Going past what is left gets the program killed with the student's
// problem lost, where a message should have asked for fewer nodes.
#include <optional>
#include <string>

namespace calorix {

// The bytes this process may still take: the lower of what the system has
// available (MemAvailable of /proc/meminfo) and what the memory limits of
// its control group and of every group above it leave (cgroup v2:
// memory.max - memory.current; v1: memory.limit_in_bytes -
// memory.usage_in_bytes).  A limit of "max" or one that cannot be read does
// not count; nothing when neither figure can be read.  root is the folder
// that holds proc/ and sys/ ("/" on a running system).
std::optional<double> Available_Memory_Bytes(const std::string& root = "/");

}  // namespace calorix
