#include "QtSavePanel.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QStandardPaths>
#include <QStringList>

namespace scrivlette {

QString nameFilterFor(const ContentType& type) {
    QStringList patterns;
    for (const std::string& extension : type.extensions) {
        patterns << QStringLiteral("*.") + QString::fromStdString(extension);
    }
    return QCoreApplication::translate("ContentType", type.description.c_str()) +
           QStringLiteral(" (") + patterns.join(u' ') + QStringLiteral(")");
}

QtSavePanel::QtSavePanel(bool useNativeDialog, QWidget* owner, const QString& startFolder)
    : dialog_(new QFileDialog(owner)) {
    dialog_->setAcceptMode(QFileDialog::AcceptSave);
    dialog_->setFileMode(QFileDialog::AnyFile);
    dialog_->setWindowModality(Qt::NonModal);
    dialog_->setOption(QFileDialog::DontUseNativeDialog, !useNativeDialog);
    dialog_->setDirectory(startFolder.isEmpty()
                              ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                              : startFolder);
}

QtSavePanel::~QtSavePanel() {
    if (dialog_) {
        // The last reference may go inside the dialog's own signal.
        dialog_->disconnect();
        dialog_->deleteLater();
    }
}

void QtSavePanel::setCanCreateDirectories(bool allowed) {
    dialog_->setOption(QFileDialog::ReadOnly, !allowed);
}

void QtSavePanel::setNameFieldStringValue(std::string name) {
    name_ = QString::fromStdString(name);
    dialog_->selectFile(name_);
}

void QtSavePanel::setAllowedContentTypes(std::vector<ContentType> types) {
    QStringList filters;
    for (const ContentType& type : types) {
        filters << nameFilterFor(type);
    }
    dialog_->setNameFilters(filters);
    dialog_->setDefaultSuffix(types.empty() || types.front().extensions.empty()
                                  ? QString()
                                  : QString::fromStdString(types.front().extensions.front()));
    // Choosing a filter rewrites the name's suffix ("Untitled.webArchive"
    // would become "Untitled.webarchive"); the suggestion stands as given.
    if (!name_.isEmpty()) {
        dialog_->selectFile(name_);
    }
}

void QtSavePanel::begin(Completion completion) {
    completion_ = std::move(completion);
    QObject::connect(dialog_, &QDialog::finished, dialog_, [this](int result) {
        auto done = std::move(completion_);
        completion_ = nullptr;
        if (done) {
            done(result == QDialog::Accepted ? okResponse : cancelResponse);
        }
    });
    dialog_->show();
}

std::size_t QtSavePanel::selectedTypeIndex() const {
    if (!dialog_) {
        return 0;
    }
    const qsizetype index = dialog_->nameFilters().indexOf(dialog_->selectedNameFilter());
    return index < 0 ? 0 : std::size_t(index);
}

std::optional<Url> QtSavePanel::url() const {
    if (!dialog_) {
        return std::nullopt;
    }
    const QStringList chosen = dialog_->selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty()) {
        return std::nullopt;
    }
    return Url::fromFilePath(QFile::encodeName(chosen.front()).toStdString());
}

} // namespace scrivlette
