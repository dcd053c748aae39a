#pragma once

#include "platform/services/SavePanel.h"

#include <QFileDialog>
#include <QPointer>

namespace scrivlette {

// The save panel as a QFileDialog in save mode: a dialog of the window that
// opened it (so the window manager keeps it above that window) that is not
// modal, so the window stays usable while it is open.
class QtSavePanel final : public SavePanel {
public:
    // Tests ask for Qt's own dialog, which they can drive; the application
    // uses the platform's. `owner` is the window the panel belongs to, and
    // `startFolder` where it opens (the user's Documents folder if empty).
    explicit QtSavePanel(bool useNativeDialog = true, QWidget* owner = nullptr,
                         const QString& startFolder = {});
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
