#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace vaeloric::test {

// An empty folder of the running test's own: CTest runs tests side by side,
// so two tests must never share one.
inline std::filesystem::path FreshTestFolder(const std::string& prefix) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        (prefix + "-" + info->test_suite_name() + "-" + info->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

}  // namespace vaeloric::test
