#include "FileNavigation.h"

#include "views/FolderSteps.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QWidget>

namespace scrivlette {
namespace {

QString pathOf(const Url& url) {
    const auto path = url.filePath();
    return path ? QFile::decodeName(QByteArray::fromStdString(*path)) : QString();
}

} // namespace

FileNavigation::FileNavigation(QWidget* window, Open open, Say say)
    : QObject(window), window_(window), open_(std::move(open)), say_(std::move(say)) {
    openAction_ =
        new QAction(QIcon::fromTheme(QStringLiteral("document-open")), tr("&Open…"), window);
    openAction_->setShortcut(QKeySequence::Open);
    openAction_->setShortcutContext(Qt::WindowShortcut);
    connect(openAction_, &QAction::triggered, this, &FileNavigation::chooseFiles);
    window->addAction(openAction_);

    // As browsers and Eye of GNOME step: Alt+Right and Alt+Left, which the
    // list (arrows, Page Up and Down, Home and End) and the text leave free.
    nextAction_ =
        new QAction(QIcon::fromTheme(QStringLiteral("go-next")), tr("&Next Clipping"), window);
    nextAction_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    nextAction_->setShortcutContext(Qt::WindowShortcut);
    connect(nextAction_, &QAction::triggered, this, [this] { step(1); });
    window->addAction(nextAction_);
    previousAction_ = new QAction(QIcon::fromTheme(QStringLiteral("go-previous")),
                                  tr("&Previous Clipping"), window);
    previousAction_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    previousAction_->setShortcutContext(Qt::WindowShortcut);
    connect(previousAction_, &QAction::triggered, this, [this] { step(-1); });
    window->addAction(previousAction_);
}

void FileNavigation::opening(const std::vector<Url>& urls) {
    if (const QString path = urls.empty() ? QString() : pathOf(urls.back()); !path.isEmpty()) {
        openFolder_ = QFileInfo(path).absolutePath();
    }
}

void FileNavigation::read(const Url& url) {
    if (const QString path = pathOf(url); !path.isEmpty()) {
        lastRead_ = path;
    }
}

QString FileNavigation::lastReadFolder() const {
    return lastRead_.isEmpty() ? QString() : QFileInfo(lastRead_).absolutePath();
}

void FileNavigation::step(int direction) {
    if (lastRead_.isEmpty()) {
        say_(tr("Open a clipping first: Go steps through its folder."));
        return;
    }
    const auto next = neighbourClipping(lastRead_, direction);
    if (!next) {
        say_(direction > 0 ? tr("This is the last clipping in the folder.")
                           : tr("This is the first clipping in the folder."));
        return;
    }
    if (auto url = Url::fromFilePath(QFile::encodeName(*next).toStdString())) {
        // Where the user is, even should the file fail to read.
        lastRead_ = *next;
        open_({std::move(*url)});
    }
}

void FileNavigation::chooseFiles() {
    auto* dialog = new QFileDialog(window_, tr("Open Clippings"), openFolder_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    // The Finder writes these with any letter case; the filter must not care.
    dialog->setNameFilters(
        {tr("Clippings (*.textClipping *.pictClipping *.webloc *.mailloc)"), tr("All files (*)")});
    dialog->setFilter(dialog->filter() & ~QDir::CaseSensitive);
    connect(dialog, &QFileDialog::filesSelected, this, [this](const QStringList& files) {
        std::vector<Url> urls;
        for (const QString& file : files) {
            if (auto url = Url::fromFilePath(QFile::encodeName(file).toStdString())) {
                urls.push_back(std::move(*url));
            }
        }
        open_(urls);
    });
    dialog->open();
}

} // namespace scrivlette
