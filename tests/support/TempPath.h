#pragma once
// A file name in the temporary folder that belongs to the running test alone: ctest runs every test as a
// process of its own, two at a time, so two tests must never share a file name.
#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

inline std::string TestTempPath(const std::string& name) {
    std::string dir = ::testing::TempDir();
    if (dir.empty()) dir = "/tmp/";
    return dir + "vorn1-" + std::to_string(::getpid()) + "-" + name;
}
