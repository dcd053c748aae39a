#include "platform/qt/QtSavePanel.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace scrivlette {
namespace {

QString nameField(QFileDialog* dialog) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    return edit ? edit->text() : QStringLiteral("<no name field>");
}

TEST(QtSavePanel, ShowsAWindowOfItsOwnOfferingTheNameAndType) {
    auto panel = std::make_shared<QtSavePanel>(false);
    panel->setCanCreateDirectories(true);
    panel->setNameFieldStringValue("Untitled.rtf");
    panel->setAllowedContentTypes({*contentType("public.rtf")});
    std::vector<int> responses;
    panel->begin([&](int response) { responses.push_back(response); });
    QApplication::processEvents();

    QFileDialog* dialog = panel->dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowModality(), Qt::NonModal) << "the main window stays usable";
    EXPECT_FALSE(dialog->testOption(QFileDialog::ReadOnly)) << "folders can be created";
    EXPECT_EQ(nameField(dialog), QStringLiteral("Untitled.rtf"));
    EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("Rich Text Format (*.rtf)")});
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("rtf"));
    EXPECT_TRUE(responses.empty()) << "begin returns before the user answers";
    dialog->reject();
    EXPECT_EQ(responses, std::vector<int>{SavePanel::cancelResponse});

    // A dialog of the window that opened it, kept above it, starting where
    // that window's last file is.
    QWidget owner;
    QTemporaryDir folder;
    QtSavePanel owned(false, &owner, folder.path());
    EXPECT_EQ(owned.dialog()->parentWidget(), &owner);
    EXPECT_TRUE(owned.dialog()->isWindow());
    EXPECT_EQ(owned.dialog()->directory().absolutePath(), QDir(folder.path()).absolutePath());

    // The filter's extension must not rewrite the suggested name's suffix.
    auto archive = std::make_shared<QtSavePanel>(false);
    archive->setNameFieldStringValue("Untitled.webArchive");
    archive->setAllowedContentTypes({*contentType("com.apple.webarchive")});
    archive->begin([](int) {});
    QApplication::processEvents();
    EXPECT_EQ(nameField(archive->dialog()), QStringLiteral("Untitled.webArchive"));
    archive->dialog()->reject();
}

TEST(QtSavePanel, SaveAnswersOneWithTheChosenLocationOnce) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    auto panel = std::make_shared<QtSavePanel>(false);
    panel->setNameFieldStringValue("Untitled.pict");
    panel->setAllowedContentTypes({});
    std::vector<int> responses;
    std::optional<Url> chosen;
    panel->begin([&, panel](int response) {
        responses.push_back(response);
        chosen = panel->url();
    });
    QFileDialog* dialog = panel->dialog();
    EXPECT_TRUE(dialog->nameFilters().isEmpty() ||
                dialog->nameFilters() == QStringList{QFileDialog::tr("All Files (*)")})
        << "no filter when the type is unset";
    dialog->setDirectory(folder.path());
    dialog->selectFile(QDir(folder.path()).filePath(QStringLiteral("Clip ü.pict")));
    static_cast<QDialog*>(dialog)->accept();
    static_cast<QDialog*>(dialog)->accept();
    ASSERT_EQ(responses, std::vector<int>{SavePanel::okResponse});
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->filePath(),
              QDir(folder.path()).filePath(QStringLiteral("Clip ü.pict")).toStdString());
}

} // namespace
} // namespace scrivlette
