#include "input/memory_budget.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/run_error.h"
#include "file_support.h"
#include "input/run_driver.h"

using namespace calorix;
using namespace file_test;

namespace {

class Memory_Budget : public Temp_Folder {
  protected:
    // Files under the fake root: (path below it, contents).
    void Lay_Out(const std::vector<std::pair<std::string, std::string>>& files) {
        std::filesystem::remove_all(dir_);
        for (const auto& [name, text] : files) {
            std::filesystem::create_directories((dir_ / name).parent_path());
            Write((dir_ / name).string(), text);
        }
        std::filesystem::create_directories(dir_);
    }
};

const std::string Meminfo =
    "MemTotal:       16000000 kB\nMemFree:         1000000 kB\n"
    "MemAvailable:    4000000 kB\n";  // 4 096 000 000 bytes

}  // namespace

// The lower of MemAvailable and the headroom of the process's groups,
// worked by hand from the files of each case.
TEST_F(Memory_Budget, LowerOfAvailableMemoryAndTheGroupLimits) {
    const std::string v2 = "sys/fs/cgroup/";
    const std::string v1 = "sys/fs/cgroup/memory/";
    const struct {
        const char* what;
        std::vector<std::pair<std::string, std::string>> files;
        std::optional<double> bytes;
    } cases[] = {
        {"v2 limit of 1 GiB, 100 MiB used",
         {{"proc/meminfo", Meminfo},
          {"proc/self/cgroup", "0::/session\n"},
          {v2 + "session/memory.max", "1073741824\n"},
          {v2 + "session/memory.current", "104857600\n"}},
         1073741824.0 - 104857600.0},
        {"v2 without a limit",
         {{"proc/meminfo", Meminfo},
          {"proc/self/cgroup", "0::/session\n"},
          {v2 + "session/memory.max", "max\n"},
          {v2 + "session/memory.current", "104857600\n"}},
         4096000000.0},
        {"a parent's limit binds: 500 MB less 100 MB",
         {{"proc/meminfo", Meminfo},
          {"proc/self/cgroup", "0::/a/b\n"},
          {v2 + "a/memory.max", "500000000\n"},
          {v2 + "a/memory.current", "100000000\n"},
          {v2 + "a/b/memory.max", "max\n"},
          {v2 + "a/b/memory.current", "90000000\n"}},
         400000000.0},
        {"v1 limit of 2 GB, 0.5 GB used",
         {{"proc/meminfo", Meminfo},
          {"proc/self/cgroup", "5:cpu:/\n4:memory:/job\n0::/\n"},
          {v1 + "job/memory.limit_in_bytes", "2000000000\n"},
          {v1 + "job/memory.usage_in_bytes", "500000000\n"}},
         1500000000.0},
        {"v1 unlimited",
         {{"proc/meminfo", Meminfo},
          {"proc/self/cgroup", "4:memory:/\n"},
          {v1 + "memory.limit_in_bytes", "9223372036854771712\n"},
          {v1 + "memory.usage_in_bytes", "500000000\n"}},
         4096000000.0},
        {"no group files", {{"proc/meminfo", Meminfo}}, 4096000000.0},
        {"group but no meminfo",
         {{"proc/self/cgroup", "0::/\n"},
          {v2 + "memory.max", "300000000\n"},
          {v2 + "memory.current", "100000000\n"}},
         200000000.0},
        {"nothing readable", {}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Lay_Out(c.files);
        EXPECT_EQ(Available_Memory_Bytes(dir_.string()), c.bytes);
    }
}

// The run is refused past three quarters of what the process may take:
// with 1 GB left, 750 MB of stores pass and 760 MB do not.
TEST_F(Memory_Budget, RunsAreRefusedPastThreeQuartersOfWhatIsLeft) {
    Lay_Out({{"proc/meminfo", Meminfo},
             {"proc/self/cgroup", "0::/\n"},
             {"sys/fs/cgroup/memory.max", "1100000000\n"},
             {"sys/fs/cgroup/memory.current", "100000000\n"}});
    EXPECT_NO_THROW(Require_Memory(750e6 / 8, dir_.string()));
    EXPECT_THROW(Require_Memory(760e6 / 8, dir_.string()), Run_Error);
}
