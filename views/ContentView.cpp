#include "ContentView.h"

#include "model/ClipContent.h"
#include "platform/Url.h"
#include "resources/Resources.h"
#include "views/ClipListModel.h"
#include "views/ClipRowDelegate.h"
#include "views/DetailPane.h"
#include "views/DragSource.h"
#include "views/DropTarget.h"
#include "views/FileNavigation.h"
#include "views/FirstSelectionKeys.h"
#include "views/FormattedView.h"
#include "views/ReadSummaryView.h"
#include "views/StatusMessages.h"
#include "views/WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMetaObject>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

namespace scrivlette {

QString windowTitleFor(const std::string& clippingName) {
    QString name = QString::fromStdString(clippingName);
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return QStringLiteral("Scrivlette ") + name;
}

ContentView::ContentView(QWidget* parent) : QMainWindow(parent), clipInfo_(ClipInfo::create()) {
    initResources();
    setObjectName(QStringLiteral("main"));
    createActions();
    createToolbar();
    createContent();
    createEmptySymbol();
    statusBar()->setSizeGripEnabled(true);
    report_ = new ReadSummaryView(statusBar(), this);
    restoreSettings();
    clipInfo_.onChange([this] { scheduleRender(); });
    render();
}

ContentView::~ContentView() {
    // Loads still in flight may hold a binding; they must not call back here.
    clipInfo_.onChange(nullptr);
}

void ContentView::createActions() {
    copyAction_ = new QAction(tr("Copy"), this);
    copyAction_->setShortcut(QKeySequence::Copy);
    copyAction_->setShortcutContext(Qt::WindowShortcut);
    connect(copyAction_, &QAction::triggered, this, &ContentView::copySelection);
    addAction(copyAction_);

    writeClipAction_ = new QAction(tr("Write Clip to File"), this);
    writeClipAction_->setObjectName(QStringLiteral("writeclip"));
    writeClipAction_->setIcon(
        QIcon::fromTheme(QStringLiteral("document-save"),
                         QIcon(QStringLiteral(":/icons/square.and.arrow.down.fill.svg"))));
    writeClipAction_->setToolTip(tr("Write clipping contents to a new file."));
    connect(writeClipAction_, &QAction::triggered, this, &ContentView::writeSelection);

    // The menu's copy of the command stays when the toolbar is hidden.
    writeClipMenuAction_ = new QAction(writeClipAction_->icon(), tr("Write Clip to File…"), this);
    writeClipMenuAction_->setShortcut(QKeySequence::Save);
    writeClipMenuAction_->setShortcutContext(Qt::WindowShortcut);
    connect(writeClipMenuAction_, &QAction::triggered, this, &ContentView::writeSelection);
    addAction(writeClipMenuAction_);

    navigation_ = new FileNavigation(
        this, [this](const std::vector<Url>& urls) { openFiles(urls); },
        [this](const QString& message) { statusBar()->showMessage(message); });

    openLinkAction_ = new QAction(QIcon::fromTheme(QStringLiteral("internet-web-browser")),
                                  tr("Open Link"), this);
    openLinkAction_->setToolTip(tr("Open the address in your browser or mail program."));
    openLinkAction_->setObjectName(QStringLiteral("openlink"));
    connect(openLinkAction_, &QAction::triggered, this, &ContentView::openLink);
    openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

void ContentView::createToolbar() {
    toolbar_ = new QToolBar(tr("Toolbar"), this);
    toolbar_->setObjectName(QStringLiteral("ContentView.toolbar"));
    toolbar_->setMovable(true);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolbar_->addAction(writeClipAction_);
    addToolBar(toolbar_);
}

void ContentView::createContent() {
    auto* content = new QWidget(this);
    content->setMinimumSize(600, 200);
    split_ = new QSplitter(Qt::Horizontal, content);
    split_->setChildrenCollapsible(false);

    model_ = new ClipListModel(this);
    sidebar_ = new QListView(split_);
    sidebar_->setModel(model_);
    sidebar_->setItemDelegate(new ClipRowDelegate(sidebar_));
    sidebar_->setSelectionMode(QAbstractItemView::SingleSelection);
    sidebar_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sidebar_->setUniformItemSizes(true);
    sidebar_->setTextElideMode(Qt::ElideRight);
    sidebar_->setMinimumWidth(180);
    sidebar_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // rows elide
    new FirstSelectionKeys(sidebar_);
    // Only a selection made by the user sets selectKey: focus moving into
    // the list makes a row current without selecting it.
    connect(sidebar_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected) {
                if (!selected.indexes().isEmpty()) {
                    select(selected.indexes().front());
                }
            });
    connect(sidebar_, &QListView::clicked, this,
            [this](const QModelIndex& index) { select(index); });

    detail_ = new DetailPane(split_);
    detail_->setLinkAction(openLinkAction_);
    split_->addWidget(sidebar_);
    split_->addWidget(detail_);
    split_->setStretchFactor(1, 1);
    split_->setSizes({260, 640});

    for (QWidget* widget :
         {static_cast<QWidget*>(sidebar_), static_cast<QWidget*>(detail_->text())}) {
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(widget, &QWidget::customContextMenuRequested, this,
                [this, widget](const QPoint& position) { showContextMenu(widget, position); });
    }
    // Ctrl+C in the detail text goes to the window's Copy, which knows both
    // what the text has selected and what the list has.
    detail_->text()->installEventFilter(this);
    detail_->formatted()->installEventFilter(this);

    auto* layout = new QHBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split_);
    setCentralWidget(content);

    auto* drags = new DragSource(
        this, [this]() -> QMimeData* { return selectKey_ ? mimeDataFor(*selectKey_) : nullptr; });
    // A press-and-pull in the detail text selects text there (and pulls out
    // a selection); the entry as a whole is dragged from the list.
    drags->watch(sidebar_->viewport());
    drags->watch(detail_->placeholder());

    // The whole window, toolbar and status bar included, takes dropped files.
    new DropTarget(this, [this] { return makeDropDelegate(); });
}

ScrivletteDropDelegate ContentView::makeDropDelegate() {
    // Reports arrive on the main thread, but possibly after the window has gone.
    QPointer<ContentView> view(this);
    return ScrivletteDropDelegate(clipInfo_.binding(), [view](const ReadSummary& summary) {
        if (view) {
            view->showReadSummary(summary);
        }
    });
}

void ContentView::openFiles(const std::vector<Url>& urls) {
    if (urls.empty()) {
        return;
    }
    navigation_->opening(urls);
    report_->clear();
    makeDropDelegate().openFiles(urls);
    sidebar_->setFocus(Qt::OtherFocusReason);
}

void ContentView::openFilesAndFollowLink(const std::vector<Url>& urls) {
    followLinkOnceRead_ = !urls.empty();
    openFiles(urls);
}

QAction* ContentView::openAction() const {
    return navigation_->openAction();
}

QAction* ContentView::nextAction() const {
    return navigation_->nextAction();
}

QAction* ContentView::previousAction() const {
    return navigation_->previousAction();
}

QString ContentView::lastReadFolder() const {
    return navigation_->lastReadFolder();
}

// A location's address goes to the desktop's browser or mail program, if it
// is one that is safe to open with a click.
void ContentView::openLink() {
    if (!selectKey_ || entryKind(*selectKey_) != EntryKind::location) {
        return;
    }
    const QString address = QString::fromStdString(selectKey_->content);
    if (!mayOpen(selectKey_->content)) {
        statusBar()->showMessage(notOpenedText(address));
        return;
    }
    if (openUrl(QUrl(address))) {
        statusBar()->showMessage(tr("Opened %1").arg(address));
    } else {
        statusBar()->showMessage(tr("Could not open %1: no program for it").arg(address));
    }
}

void ContentView::showReadSummary(const ReadSummary& summary) {
    // The rows go up now, before the input that queued up while a large file
    // was read: a click made meanwhile lands on the rows it was aimed at, not
    // on the list as it was before the read.
    renderPendingChanges();
    if (summary.lastRead) {
        navigation_->read(*summary.lastRead);
    }
    report_->show(summary);
    sidebar_->setFocus(Qt::OtherFocusReason);
    if (std::exchange(followLinkOnceRead_, false)) {
        const std::vector<ClipDetail>& clips = renderedDocument_->clipList();
        if (const ClipDetail* location = firstLocation(clips)) {
            sidebar_->setCurrentIndex(
                sidebar_->model()->index(static_cast<int>(location - clips.data()), 0));
            openLink();
        }
    }
}

void ContentView::showContextMenu(QWidget* widget, const QPoint& position) {
    if (widget == sidebar_) {
        const QModelIndex row = sidebar_->indexAt(position);
        if (!row.isValid()) {
            return;
        }
        sidebar_->setCurrentIndex(row);
        select(row);
    }
    QMenu menu(this);
    menu.addAction(copyAction_);
    menu.addAction(writeClipMenuAction_);
    if (selectKey_ && entryKind(*selectKey_) == EntryKind::location) {
        menu.addSeparator();
        menu.addAction(openLinkAction_);
    }
    if (widget == detail_->text()) {
        menu.addSeparator();
        menu.addAction(tr("Select All"), detail_->text(), &QPlainTextEdit::selectAll);
    }
    menu.exec(widget->mapToGlobal(position));
}

bool ContentView::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == detail_->text() || watched == detail_->formatted()) &&
        event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

namespace {

QSettings windowSettings() {
    return QSettings(QStringLiteral("scrivlette"), QStringLiteral("Scrivlette"));
}

} // namespace

// Only where the window was and how it was arranged is kept; no document
// state and no preferences.
void ContentView::restoreSettings() {
    resize(900, 600);
    QSettings settings = windowSettings();
    restoreGeometry(settings.value(QStringLiteral("main/geometry")).toByteArray());
    keepOnScreen(*this);
    restoreState(settings.value(QStringLiteral("main/state")).toByteArray());
    split_->restoreState(settings.value(QStringLiteral("main/splitter")).toByteArray());
}

void ContentView::saveSettings() const {
    QSettings settings = windowSettings();
    settings.setValue(QStringLiteral("main/geometry"), saveGeometry());
    settings.setValue(QStringLiteral("main/state"), saveState());
    settings.setValue(QStringLiteral("main/splitter"), split_->saveState());
}

void ContentView::closeEvent(QCloseEvent* event) {
    saveSettings();
    QMainWindow::closeEvent(event);
}

void ContentView::createEmptySymbol() {
    emptySymbol_ = new QLabel(centralWidget());
    emptySymbol_->setObjectName(QStringLiteral("emptysymbol"));
    const QIcon icon = QIcon::fromTheme(QStringLiteral("document-new"),
                                        QIcon(QStringLiteral(":/icons/doc.badge.plus.svg")));
    emptySymbol_->setPixmap(icon.pixmap(QSize(150, 150)));
    emptySymbol_->setFixedSize(150, 150);
    emptySymbol_->setAlignment(Qt::AlignCenter);
    // Drawn over the window, it must not take drops or clicks from what lies below.
    emptySymbol_->setAttribute(Qt::WA_TransparentForMouseEvents);
    emptySymbol_->raise();

    emptyHint_ =
        new QLabel(tr("Drop clipping files here, or choose File > Open."), centralWidget());
    emptyHint_->setTextFormat(Qt::PlainText);
    emptyHint_->setAlignment(Qt::AlignCenter);
    emptyHint_->setForegroundRole(QPalette::PlaceholderText);
    emptyHint_->setAttribute(Qt::WA_TransparentForMouseEvents);
    emptyHint_->adjustSize();
    emptyHint_->raise();
    placeEmptySymbol();
}

void ContentView::placeEmptySymbol() {
    if (!emptySymbol_) {
        return;
    }
    const QRect area = centralWidget()->rect();
    emptySymbol_->move(area.center() -
                       QPoint(emptySymbol_->width() / 2, emptySymbol_->height() / 2));
    if (emptyHint_) {
        emptyHint_->move(area.center().x() - emptyHint_->width() / 2,
                         emptySymbol_->geometry().bottom() + 12);
    }
}

void ContentView::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeEmptySymbol();
    report_->refit();
}

// A burst of changes (a drop of many files) renders once per pass of the event loop.
void ContentView::scheduleRender() {
    if (renderPending_) {
        return;
    }
    renderPending_ = true;
    QMetaObject::invokeMethod(
        this, [this] { render(); }, Qt::QueuedConnection);
}

void ContentView::renderPendingChanges() {
    if (renderPending_) {
        render();
    }
}

void ContentView::render() {
    renderPending_ = false;
    ++renderCount_;
    const std::shared_ptr<ClipInfo> document = clipInfo_.get();
    std::string name;
    withObservationTracking(
        [&] {
            renderList(*document);
            name = document->clippingName();
        },
        [this] { scheduleRender(); });
    renderedDocument_ = document; // kept while its rows are shown
    emptySymbol_->setVisible(model_->size() == 0);
    emptyHint_->setVisible(model_->size() == 0);
    setWindowTitle(windowTitleFor(name));
    showSelectionInList();
}

void ContentView::renderList(const ClipInfo& document) {
    const std::size_t count = document.clipCount();
    const std::uint64_t replacements = document.clipListReplacements();
    const bool restart = &document != renderedDocument_.get() ||
                         replacements != renderedReplacements_ || count < model_->size();
    // Rows are made from the entries where they lie, never from copies.
    std::vector<ClipListModel::Row> rows;
    const std::size_t from = restart ? 0 : model_->size();
    rows.reserve(count - from);
    std::size_t index = 0;
    document.forEachClip([&](const ClipDetail& clip) {
        if (index >= from) {
            rows.push_back(ClipListModel::rowFor(clip, document.sourceAt(index)));
        }
        ++index;
    });
    if (restart) {
        model_->reset(std::move(rows));
    } else {
        model_->append(std::move(rows));
    }
    renderedReplacements_ = replacements;
}

// The row shown as selected is the one whose entry equals the selection; the
// selection itself is never changed by the program.
void ContentView::showSelectionInList() {
    const QModelIndex current = sidebar_->currentIndex();
    if (selectKey_ && current.isValid() && showsSelection(current.row())) {
        return;
    }
    std::optional<int> row;
    for (int at = 0; selectKey_ && at < model_->rowCount() && !row; ++at) {
        if (showsSelection(at)) {
            row = at;
        }
    }
    const QSignalBlocker blocker(sidebar_->selectionModel());
    if (row) {
        sidebar_->setCurrentIndex(model_->index(*row));
    } else {
        sidebar_->selectionModel()->clear();
    }
    // The kept selection stays shown; the pane says when its file has gone.
    if (selectKey_) {
        // A file read since may have made its name need its folder.
        selectSource_ = row ? model_->sourceNameAt(*row) : selectSource_;
        detail_->setSource(selectSource_, row.has_value());
    }
    sidebar_->viewport()->update();
}

// Whether row `row` is the selected entry: the same entry (its identity
// first, which is quick), equal in every field.
bool ContentView::showsSelection(int row) const {
    return selectKey_ && model_->idAt(row) == selectKey_->id &&
           renderedDocument_->holdsAt(static_cast<std::size_t>(row), *selectKey_);
}

void ContentView::select(const QModelIndex& index) {
    if (!index.isValid()) {
        return;
    }
    if (selectKey_ && showsSelection(index.row())) {
        return;
    }
    selectKey_ = renderedDocument_->clipAt(static_cast<std::size_t>(index.row()));
    selectSource_ = model_->sourceNameAt(index.row());
    detail_->showClip(selectKey_);
    detail_->setSource(selectSource_, true);
}

void ContentView::copySelection() {
    QPlainTextEdit* text = detail_->text();
    if (text->hasFocus() && text->textCursor().hasSelection()) {
        text->copy();
        return;
    }
    // What is selected in the Formatted view, as the reader sees it.
    FormattedView* formatted = detail_->formatted();
    if (formatted->isVisible() && formatted->textCursor().hasSelection()) {
        formatted->copy();
        return;
    }
    if (!selectKey_) {
        statusBar()->showMessage(tr("Select an entry first."));
        return;
    }
    QApplication::clipboard()->setMimeData(mimeDataFor(*selectKey_));
}

void ContentView::writeSelection() {
    if (!selectKey_) {
        statusBar()->showMessage(tr("Select an entry first."));
        return;
    }
    QPointer<ContentView> view(this);
    clipInfo_.get()->writeClip(*selectKey_, [view](const WriteOutcome& outcome) {
        if (!view) {
            return;
        }
        const QString text = writeOutcomeText(outcome);
        if (!text.isEmpty()) {
            view->statusBar()->showMessage(text);
        }
    });
}

} // namespace scrivlette
