#include "ModelTestSupport.h"

#include <fstream>
#include <unistd.h>

namespace scrivlette::test {

void ModelTest::SetUp() {
    queue_ = std::make_shared<ManualMainQueue>();
    MainQueue::install(queue_);
    directory_ = std::filesystem::temp_directory_path() /
                 ("scrivlette-model-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(directory_);
}

void ModelTest::TearDown() {
    queue_->drain();
    std::filesystem::remove_all(directory_);
}

Url ModelTest::write(const std::string& name, std::string_view content) {
    const auto path = directory_ / name;
    std::ofstream(path, std::ios::binary) << content;
    return urlOf(path);
}

Url ModelTest::urlOf(const std::filesystem::path& path) const {
    return *Url::fromFilePath(path.string());
}

NoticeCounter::NoticeCounter(ClipInfo& info)
    : subscription_(info.observationRegistrar().listen(
          [this](KeyPath key, ObservationRegistrar::Phase phase) {
              events_.emplace_back(key, phase);
          })) {}

int NoticeCounter::willSet(KeyPath key) const {
    return static_cast<int>(
        std::count(events_.begin(), events_.end(),
                   std::pair(std::string(key), ObservationRegistrar::Phase::willSet)));
}

int NoticeCounter::didSet(KeyPath key) const {
    return static_cast<int>(
        std::count(events_.begin(), events_.end(),
                   std::pair(std::string(key), ObservationRegistrar::Phase::didSet)));
}

std::string xmlPlist(std::string_view body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">" +
           std::string(body) + "</plist>\n";
}

} // namespace scrivlette::test
