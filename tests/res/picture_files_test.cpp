// Every picture of the game is committed with the size, depth and colour table the program expects.
#include "picture_support.h"

#include <filesystem>
#include <set>

namespace restest {
namespace {

struct Expected {
    const char* file;
    int width, height, bits, colours;
};

const Expected kBitmaps[] = {
    {"board_dark_mono.bmp", 463, 122, 8, 256},  {"board_light_wood.bmp", 463, 122, 8, 256},
    {"board_red.bmp", 463, 122, 8, 256},        {"board_pale_blue.bmp", 463, 122, 8, 256},
    {"board_light_mono.bmp", 463, 122, 8, 256}, {"board_dark_wood.bmp", 463, 122, 8, 256},
    {"marble_yellow.bmp", 10, 10, 4, 16},       {"marble_green.bmp", 10, 10, 4, 16},
    {"marble_red.bmp", 10, 10, 4, 16},          {"marble_purple.bmp", 10, 10, 4, 16},
    {"marble_aqua.bmp", 10, 10, 4, 16},         {"marble_blue.bmp", 10, 10, 4, 16},
    {"marble_mask.bmp", 10, 10, 1, 2},          {"cursor_pick.bmp", 32, 32, 1, 2},
    {"cursor_pick_mask.bmp", 32, 32, 1, 2},     {"app_icon.bmp", 32, 32, 4, 16},
};

const int kIconSizes[] = {32, 48, 64, 128, 256};

class BitmapFile : public ::testing::TestWithParam<Expected> {};

TEST_P(BitmapFile, HasTheSizeDepthAndColourTableOfItsResource) {
    const Expected& want = GetParam();
    Bmp bmp;
    ASSERT_TRUE(LoadBmp(want.file, bmp));
    EXPECT_EQ(bmp.width, want.width);
    EXPECT_EQ(bmp.height, want.height);
    EXPECT_EQ(bmp.bits, want.bits);
    EXPECT_EQ(bmp.clrUsed, static_cast<std::uint32_t>(want.colours));
    EXPECT_EQ(bmp.planes, 1);
}

TEST_P(BitmapFile, HeaderFieldsAgreeWithTheFile) {
    const Expected& want = GetParam();
    Bmp bmp;
    ASSERT_TRUE(LoadBmp(want.file, bmp));
    const std::uint32_t stride = ((bmp.width * bmp.bits + 31) / 32) * 4;
    EXPECT_EQ(bmp.fileSizeField, bmp.fileSize);
    EXPECT_EQ(bmp.offBits, 14u + 40u + 4u * bmp.clrUsed) << "colour table right after the header";
    EXPECT_EQ(bmp.sizeImage, stride * bmp.height);
    EXPECT_EQ(bmp.fileSize, bmp.offBits + stride * bmp.height);
}

INSTANTIATE_TEST_SUITE_P(Pictures, BitmapFile, ::testing::ValuesIn(kBitmaps), [](const auto& info) {
    std::string name = info.param.file;
    name = name.substr(0, name.find('.'));
    return name;
});

TEST(IconPng, EachSizeIsASquareRgbaPng) {
    for (int size : kIconSizes) {
        SCOPED_TRACE(size);
        Png png;
        ASSERT_TRUE(LoadPng("app_icon_" + std::to_string(size) + ".png", png));
        EXPECT_EQ(png.width, size);
        EXPECT_EQ(png.height, size);
    }
}

TEST(PictureDirectory, HoldsExactlyTheGeneratedFiles) {
    std::set<std::string> want;
    for (const Expected& e : kBitmaps) {
        want.insert(e.file);
    }
    for (int size : kIconSizes) {
        want.insert("app_icon_" + std::to_string(size) + ".png");
    }
    std::set<std::string> have;
    for (const auto& entry : std::filesystem::directory_iterator(RAVELO2_PICTURES_DIR)) {
        have.insert(entry.path().filename().string());
    }
    EXPECT_EQ(have, want);
}

} // namespace
} // namespace restest
