#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

/// A test with a fresh folder of its own, removed with its content after it.
class ScratchFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tessaline-files-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  /// The path of name in the folder.
  std::string file(const std::string& name) const { return (folder / name).string(); }

  std::filesystem::path folder;
};
