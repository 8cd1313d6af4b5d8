// What the res tests share: where the committed pictures are, and loading with a clear failure.
#pragma once

#include "image_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace restest {

inline std::string PicturePath(const std::string& name) {
    return std::string(RAVELO2_PICTURES_DIR) + "/" + name;
}

// Loads a committed picture; the caller checks the result with ASSERT_TRUE.
inline ::testing::AssertionResult LoadBmp(const std::string& name, Bmp& bmp) {
    std::string error;
    if (!ReadBmp(PicturePath(name), bmp, error)) {
        return ::testing::AssertionFailure() << error;
    }
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult LoadPng(const std::string& name, Png& png) {
    std::string error;
    if (!ReadPng(PicturePath(name), png, error)) {
        return ::testing::AssertionFailure() << error;
    }
    return ::testing::AssertionSuccess();
}

} // namespace restest
