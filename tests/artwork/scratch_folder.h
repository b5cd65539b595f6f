// A temporary folder of the running test's own: ctest runs test cases as
// parallel processes, which must not share files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

inline std::filesystem::path scratch_path(const std::string& purpose)
{
    std::random_device entropy;
    return std::filesystem::temp_directory_path() /
        ("artwork_" + purpose + "_" + std::to_string(entropy()) + "_" + std::to_string(entropy()));
}
