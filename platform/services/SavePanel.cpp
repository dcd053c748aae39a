#include "SavePanel.h"

#include <mutex>

namespace scrivlette {
namespace {

// Answers Cancel at once, so nothing is ever written without a real panel.
class CancellingPanel final : public SavePanel {
public:
    void setCanCreateDirectories(bool) override {}
    void setNameFieldStringValue(std::string) override {}
    void setAllowedContentTypes(std::vector<ContentType>) override {}
    void begin(Completion completion) override { completion(cancelResponse); }
    std::optional<Url> url() const override { return std::nullopt; }
};

std::mutex factoryMutex;
SavePanel::Factory installedFactory;

} // namespace

void SavePanel::installFactory(Factory factory) {
    std::lock_guard lock(factoryMutex);
    installedFactory = std::move(factory);
}

std::shared_ptr<SavePanel> SavePanel::make() {
    Factory factory;
    {
        std::lock_guard lock(factoryMutex);
        factory = installedFactory;
    }
    return factory ? factory() : std::make_shared<CancellingPanel>();
}

} // namespace scrivlette
