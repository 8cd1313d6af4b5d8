// The committed pictures are exactly what ravelo2-picture-gen writes: nobody edits them by hand,
// and a change to the generator must come with its new output.
#include "picture_support.h"

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include <unistd.h>

namespace restest {
namespace {

namespace fs = std::filesystem;

std::set<std::string> FileNames(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// A folder of this process's own, so that tests run in parallel do not meet.
fs::path ScratchDir(const std::string& name) {
    return fs::temp_directory_path() /
           ("ravelo2-pictures-" + std::to_string(::getpid()) + "-" + name);
}

std::string RunGenerator(const fs::path& out) {
    const std::string command =
        std::string("\"") + RAVELO2_PICTURE_GEN + "\" \"" + out.string() + "\"";
    return std::system(command.c_str()) == 0 ? "" : "generator failed: " + command;
}

TEST(PictureGenerator, ReproducesTheCommittedPicturesByteForByte) {
    const fs::path out = ScratchDir("check");
    fs::remove_all(out);
    ASSERT_EQ(RunGenerator(out), "");
    const std::set<std::string> generated = FileNames(out);
    EXPECT_EQ(generated, FileNames(RAVELO2_PICTURES_DIR));
    for (const std::string& name : generated) {
        EXPECT_TRUE(ReadBytes((out / name).string()) == ReadBytes(PicturePath(name)))
            << name
            << " differs from the generator's output; rebuild the target "
               "ravelo2-update-pictures and commit src/res/pictures";
    }
    fs::remove_all(out);
}

TEST(PictureGenerator, RefusesAMissingArgument) {
    const std::string command = std::string("\"") + RAVELO2_PICTURE_GEN + "\" >/dev/null 2>&1";
    EXPECT_NE(std::system(command.c_str()), 0);
}

} // namespace
} // namespace restest
