#pragma once

#include "model/ClipInfo.h"
#include "platform/services/ManualMainQueue.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace scrivlette::test {

// Installs a manual main queue bound to the test's thread, and a scratch
// folder for files the test writes.
class ModelTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Url write(const std::string& name, std::string_view content);
    Url urlOf(const std::filesystem::path& path) const;

    std::shared_ptr<ManualMainQueue> queue_;
    std::filesystem::path directory_;
};

// Counts the before- and after-notices per property.
class NoticeCounter {
public:
    explicit NoticeCounter(ClipInfo& info);
    int willSet(KeyPath key) const;
    int didSet(KeyPath key) const;
    int total() const { return static_cast<int>(events_.size()); }

private:
    std::vector<std::pair<std::string, ObservationRegistrar::Phase>> events_;
    std::shared_ptr<void> subscription_;
};

// An XML property list around `body`.
std::string xmlPlist(std::string_view body);

} // namespace scrivlette::test
