#include "input/memory_budget.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/run_error.h"
#include "file_support.h"
#include "input/run_driver.h"

using namespace calorix;
using namespace file_test;

namespace {

class Memory_Budget : public Temp_Folder {
  protected:
    // Files under the fake root from "path contents path contents ...", and
    // a meminfo with MemAvailable 4000000 kB (4 096 000 000 bytes).
    void Lay_Out(const std::string& files, bool meminfo = true) {
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "proc");
        if (meminfo) {
            Write((dir_ / "proc/meminfo").string(),
                  "MemTotal:       16000000 kB\nMemAvailable:    4000000 kB\n");
        }
        const std::vector<std::string> w = Words(files);
        for (std::size_t i = 0; i + 1 < w.size(); i += 2) {
            std::filesystem::create_directories((dir_ / w[i]).parent_path());
            Write((dir_ / w[i]).string(), w[i + 1] + "\n");
        }
    }
};

}  // namespace

// The lower of MemAvailable and the headroom of the process's groups,
// worked by hand from the files of each case.
TEST_F(Memory_Budget, LowerOfAvailableMemoryAndTheGroupLimits) {
    const struct {
        const char* what;
        std::string files;
        bool meminfo;
        std::optional<double> bytes;
    } cases[] = {
        {"v2 limit of 1 GiB, 100 MiB used",
         "proc/self/cgroup 0::/s sys/fs/cgroup/s/memory.max 1073741824 "
         "sys/fs/cgroup/s/memory.current 104857600",
         true, 1073741824.0 - 104857600.0},
        {"v2 without a limit",
         "proc/self/cgroup 0::/s sys/fs/cgroup/s/memory.max max "
         "sys/fs/cgroup/s/memory.current 104857600",
         true, 4096000000.0},
        {"a parent's limit binds: 500 MB less 100 MB",
         "proc/self/cgroup 0::/a/b sys/fs/cgroup/a/memory.max 500000000 "
         "sys/fs/cgroup/a/memory.current 100000000 sys/fs/cgroup/a/b/memory.max max "
         "sys/fs/cgroup/a/b/memory.current 90000000",
         true, 400000000.0},
        {"v1 limit of 2 GB, 0.5 GB used",
         "proc/self/cgroup 4:memory:/job sys/fs/cgroup/memory/job/memory.limit_in_bytes "
         "2000000000 sys/fs/cgroup/memory/job/memory.usage_in_bytes 500000000",
         true, 1500000000.0},
        {"no group files", "", true, 4096000000.0},
        {"group but no meminfo",
         "proc/self/cgroup 0::/ sys/fs/cgroup/memory.max 300000000 "
         "sys/fs/cgroup/memory.current 100000000",
         false, 200000000.0},
        {"nothing readable", "", false, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Lay_Out(c.files, c.meminfo);
        EXPECT_EQ(Available_Memory_Bytes(dir_.string()), c.bytes);
    }
}

// The run is refused past three quarters of what the process may take:
// with 1 GB left, 750 MB of stores pass and 760 MB do not.
TEST_F(Memory_Budget, RunsAreRefusedPastThreeQuartersOfWhatIsLeft) {
    Lay_Out(
        "proc/self/cgroup 0::/ sys/fs/cgroup/memory.max 1100000000 "
        "sys/fs/cgroup/memory.current 100000000");
    EXPECT_NO_THROW(Require_Memory(750e6 / 8, dir_.string()));
    EXPECT_THROW(Require_Memory(760e6 / 8, dir_.string()), Run_Error);
}
