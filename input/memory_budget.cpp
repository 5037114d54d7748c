#include "input/memory_budget.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace calorix {

namespace {

namespace fs = std::filesystem;

// The whole number at the start of a text (blanks skipped); "max" and
// anything else that is not a number give nothing.
std::optional<double> Leading_Number(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    unsigned long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end == text.data()) {
        return std::nullopt;
    }
    return static_cast<double>(value);
}

std::optional<double> Number_In_File(const fs::path& path) {
    std::ifstream in(path);
    std::string line;
    if (!std::getline(in, line)) {
        return std::nullopt;
    }
    return Leading_Number(line);
}

std::optional<double> Mem_Available(const fs::path& root) {
    std::ifstream in(root / "proc/meminfo");
    const std::string_view key = "MemAvailable:";
    for (std::string line; std::getline(in, line);) {
        if (line.compare(0, key.size(), key) == 0) {
            const std::optional<double> kib =
                Leading_Number(std::string_view(line).substr(key.size()));
            return kib ? std::optional<double>(*kib * 1024) : std::nullopt;
        }
    }
    return std::nullopt;
}

// What the limits of a group and of the groups above it leave, from the
// group's own folder up to the mount point.  In a container the group's path
// may not exist below the mount: then the levels that do exist count.
std::optional<double> Group_Headroom(const fs::path& mount, const std::string& group,
                                     const char* limit_file, const char* usage_file) {
    std::optional<double> headroom;
    const fs::path below = fs::path(group).relative_path();
    fs::path level = below.empty() ? mount : mount / below;
    for (;;) {
        const std::optional<double> limit = Number_In_File(level / limit_file);
        const std::optional<double> usage = Number_In_File(level / usage_file);
        if (limit && usage) {
            const double left = std::max(0.0, *limit - *usage);
            headroom = headroom ? std::min(*headroom, left) : left;
        }
        if (level.native().size() <= mount.native().size()) {
            return headroom;
        }
        level = level.parent_path();
    }
}

// The group of the process from /proc/self/cgroup: "0::/path" for the
// unified (v2) tree, "N:...memory...:/path" for the v1 memory controller.
std::optional<double> Cgroup_Headroom(const fs::path& root) {
    std::ifstream in(root / "proc/self/cgroup");
    std::optional<double> headroom;
    for (std::string line; std::getline(in, line);) {
        const std::size_t first = line.find(':');
        const std::size_t second = line.find(':', first + 1);
        if (first == std::string::npos || second == std::string::npos) {
            continue;
        }
        const std::string controllers = line.substr(first + 1, second - first - 1);
        const std::string group = line.substr(second + 1);
        std::optional<double> left;
        if (controllers.empty()) {
            left = Group_Headroom(root / "sys/fs/cgroup", group, "memory.max", "memory.current");
        } else if (("," + controllers + ",").find(",memory,") != std::string::npos) {
            left = Group_Headroom(root / "sys/fs/cgroup/memory", group, "memory.limit_in_bytes",
                                  "memory.usage_in_bytes");
        }
        if (left) {
            headroom = headroom ? std::min(*headroom, *left) : left;
        }
    }
    return headroom;
}

}  // namespace

std::optional<double> Available_Memory_Bytes(const std::string& root) {
    const std::optional<double> system = Mem_Available(root);
    const std::optional<double> group = Cgroup_Headroom(root);
    if (system && group) {
        return std::min(*system, *group);
    }
    return system ? system : group;
}

}  // namespace calorix
