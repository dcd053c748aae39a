#pragma once

#include "model/ClipInfo.h"
#include "platform/services/State.h"
#include "views/ScrivletteDropDelegate.h"
#include "views/StatusMessages.h"
#include "views/Transfer.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QPointer>
#include <QUrl>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QListView;
class QSplitter;
class QToolBar;

namespace scrivlette {

class ClipListModel;
class DetailPane;
class FileNavigation;
class ReadSummaryView;

// The main window: the entries of the open document in a sidebar, the
// selected one in the detail pane, a toolbar command to write it to a file,
// Copy and drag of its text, and the whole window as the drop target.
class ContentView final : public QMainWindow {
    Q_DECLARE_TR_FUNCTIONS(scrivlette::ContentView)

public:
    explicit ContentView(QWidget* parent = nullptr);
    ~ContentView() override;

    // The Edit menu's Copy: the selected part of the detail text when it has
    // the focus and a selection, otherwise the selected entry's content.
    QAction* copyAction() const { return copyAction_; }
    // The toolbar's command, and the same command as the File menu offers it.
    QAction* writeClipMenuAction() const { return writeClipMenuAction_; }
    QAction* openAction() const;
    QAction* nextAction() const;
    QAction* previousAction() const;
    // How an address reaches the desktop's browser or mail program; tests
    // put themselves in its place.
    std::function<bool(const QUrl&)> openUrl;

    // Reads the files as a drop of them would, into a new document.
    void openFiles(const std::vector<Url>& urls);
    // The same, then selects the first location read and opens its address
    // as Open Link does (which says why when it may not open).
    void openFilesAndFollowLink(const std::vector<Url>& urls);
    // The folder of the file read last, or empty.
    QString lastReadFolder() const;

    // The document shown, and the binding through which a drop replaces it.
    const std::shared_ptr<ClipInfo>& clipInfo() const { return clipInfo_.get(); }
    Binding<std::shared_ptr<ClipInfo>> clipInfoBinding() const { return clipInfo_.binding(); }
    const std::optional<ClipDetail>& selectKey() const { return selectKey_; }

    QListView* sidebar() const { return sidebar_; }
    DetailPane* detailPane() const { return detail_; }
    QToolBar* toolbar() const { return toolbar_; }

    // How many times the view has rendered, to show that bursts coalesce.
    int renderCount() const { return renderCount_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void createToolbar();
    void createContent();
    void createEmptySymbol();
    void restoreSettings();
    void saveSettings() const;
    ScrivletteDropDelegate makeDropDelegate();
    void showReadSummary(const ReadSummary& summary);
    void openLink();
    void showContextMenu(QWidget* widget, const QPoint& position);

    void scheduleRender();
    // Renders now what is pending, before input queued meanwhile is handled.
    void renderPendingChanges();
    void render();
    void renderList(const ClipInfo& document);
    void showSelectionInList();
    bool showsSelection(int row) const;
    void select(const QModelIndex& index);
    void copySelection();
    void writeSelection();
    void placeEmptySymbol();

    State<std::shared_ptr<ClipInfo>> clipInfo_;
    std::optional<ClipDetail> selectKey_;

    ClipListModel* model_ = nullptr;
    QSplitter* split_ = nullptr;
    QListView* sidebar_ = nullptr;
    DetailPane* detail_ = nullptr;
    QLabel* emptySymbol_ = nullptr;
    QLabel* emptyHint_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QAction* copyAction_ = nullptr;
    QAction* writeClipAction_ = nullptr;
    QAction* writeClipMenuAction_ = nullptr;
    QAction* openLinkAction_ = nullptr;
    FileNavigation* navigation_ = nullptr;
    ReadSummaryView* report_ = nullptr;
    QString selectSource_; // the file the selected entry came from

    bool followLinkOnceRead_ = false;
    bool renderPending_ = false;
    int renderCount_ = 0;
    // What the list shows, so a grown document only adds rows.
    std::shared_ptr<const ClipInfo> renderedDocument_;
    std::uint64_t renderedReplacements_ = 0;
};

// "Scrivlette <name>", with Qt's "[*]" placeholder defused so a file name
// holding it shows as written.
QString windowTitleFor(const std::string& clippingName);

} // namespace scrivlette
