#include "common/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "file_support.h"

using namespace calorix;
using namespace file_test;

namespace {

class Replace_File : public Temp_Folder {
  protected:
    void TearDown() override {
        Fail_Temporary_Files_For_Testing(false);
        Temp_Folder::TearDown();
    }
    struct stat Stat(const char* name) const {
        struct stat st {};
        ::stat(Path(name).c_str(), &st);
        return st;
    }
};

}  // namespace

// Where no temporary can be made beside the file (a read-only course folder;
// root writes any folder, hence the seam), and where the file has a second
// name, the file is rewritten in place: the same inode, so the other name
// sees the new bytes, cut to their length.  A file that was not there is
// created.
TEST_F(Replace_File, RewritesInPlaceWithoutATemporaryOrWithHardLinks) {
    for (const bool seam : {true, false}) {
        SCOPED_TRACE(seam ? "no temporary" : "hard link");
        Write(Path("a.clx"), std::string(300, 'o'));
        if (!seam) {
            std::filesystem::create_hard_link(Path("a.clx"), Path("b.clx"));
        }
        const ino_t inode = Stat("a.clx").st_ino;
        Fail_Temporary_Files_For_Testing(seam);
        ASSERT_TRUE(Replace_File_Contents(Path("a.clx"), "new\r\n"));
        EXPECT_EQ(Stat("a.clx").st_ino, inode);
        EXPECT_EQ(Bytes(Path(seam ? "a.clx" : "b.clx")), "new\r\n");
    }
    Fail_Temporary_Files_For_Testing(true);
    ASSERT_TRUE(Replace_File_Contents(Path("c.clx"), "c"));
    EXPECT_EQ(Bytes(Path("c.clx")), "c");
}

// A disk that fills up part-way through an in-place rewrite: the 100 bytes
// already written over the old ones are put back and the old length kept,
// both for an old file shorter and one longer than the limit.
TEST_F(Replace_File, FailedRewriteInPlacePutsTheOldBytesBack) {
    Fail_Temporary_Files_For_Testing(true);
    for (const std::size_t old_size : {50u, 3000u}) {
        const std::string old(old_size, 'o');
        Write(Path("a.csv"), old);
        const bool saved = With_Size_Limit(
            100, [&] { return Replace_File_Contents(Path("a.csv"), std::string(4096, '9')); });
        EXPECT_FALSE(saved) << old_size;
        EXPECT_EQ(Bytes(Path("a.csv")), old) << old_size;
    }
    // A new file that cannot be written whole is not left behind.
    EXPECT_FALSE(With_Size_Limit(
        100, [&] { return Replace_File_Contents(Path("b.csv"), std::string(4096, '9')); }));
    EXPECT_EQ(Entries(), 1);
}
