#pragma once

#include "platform/SavePanel.h"

#include <QFileDialog>
#include <QPointer>

namespace scrivlette {

// The save panel as a QFileDialog in save mode, shown as a window of its own
// so the main window stays usable while it is open.
class QtSavePanel final : public SavePanel {
public:
    // Tests ask for Qt's own dialog, which they can drive; the application
    // uses the platform's.
    explicit QtSavePanel(bool useNativeDialog = true);
    ~QtSavePanel() override;

    void setCanCreateDirectories(bool allowed) override;
    void setNameFieldStringValue(std::string name) override;
    void setAllowedContentTypes(std::vector<ContentType> types) override;
    void begin(Completion completion) override;
    std::optional<Url> url() const override;
    std::size_t selectedTypeIndex() const override;

    QFileDialog* dialog() const { return dialog_; }

private:
    QPointer<QFileDialog> dialog_;
    QString name_; // the suggested name, kept through filter changes
    Completion completion_;
};

// "Rich Text Format (*.rtf)"
QString nameFilterFor(const ContentType& type);

} // namespace scrivlette
