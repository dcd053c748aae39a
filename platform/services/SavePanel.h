#pragma once

#include "platform/Url.h"
#include "platform/files/ContentType.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace scrivlette {

// A save panel: the user picks where a new file goes. Shown as a window of
// its own; begin() returns at once and the completion runs later, once, on the
// main thread, with 1 for Save and 0 for Cancel.
class SavePanel {
public:
    static constexpr int okResponse = 1;
    static constexpr int cancelResponse = 0;
    using Completion = std::function<void(int response)>;
    using Factory = std::function<std::shared_ptr<SavePanel>()>;

    virtual ~SavePanel() = default;

    virtual void setCanCreateDirectories(bool allowed) = 0;
    virtual void setNameFieldStringValue(std::string name) = 0;
    // Empty: any type is allowed.
    virtual void setAllowedContentTypes(std::vector<ContentType> types) = 0;
    // The panel lets go of `completion` once it has run, so a completion that
    // holds the panel does not keep it alive for ever.
    virtual void begin(Completion completion) = 0;
    // The chosen location; read in the completion.
    virtual std::optional<Url> url() const = 0;
    // Which of the allowed types the user chose; read in the completion.
    virtual std::size_t selectedTypeIndex() const { return 0; }

    // Every new panel comes from the installed factory: the Qt dialog in the
    // application, a scripted panel in tests, a fixed answer in the
    // command-line tool. With none installed, panels answer Cancel.
    static void installFactory(Factory factory);
    static std::shared_ptr<SavePanel> make();
};

} // namespace scrivlette
