#include "ContentView.h"

#include "resources/Resources.h"
#include "views/ClipListModel.h"
#include "views/DetailPane.h"
#include "views/DragSource.h"
#include "views/DropTarget.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QIcon>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QMetaObject>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>

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
    sidebar_->setSelectionMode(QAbstractItemView::SingleSelection);
    sidebar_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sidebar_->setUniformItemSizes(true);
    sidebar_->setTextElideMode(Qt::ElideRight);
    sidebar_->setMinimumWidth(180);
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
    split_->addWidget(sidebar_);
    split_->addWidget(detail_);
    split_->setStretchFactor(1, 1);
    split_->setSizes({220, 380});

    auto* layout = new QHBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split_);
    setCentralWidget(content);

    auto* drags = new DragSource(this, [this]() -> std::optional<QString> {
        if (!selectKey_) {
            return std::nullopt;
        }
        return QString::fromStdString(plainText(*selectKey_));
    });
    drags->watch(sidebar_->viewport());
    drags->watch(detail_->text()->viewport());
    drags->watch(detail_->placeholder());

    new DropTarget(content, [this] { return ScrivletteDropDelegate(clipInfo_.binding()); });
}

void ContentView::createEmptySymbol() {
    emptySymbol_ = new QLabel(centralWidget());
    const QIcon icon = QIcon::fromTheme(QStringLiteral("document-new"),
                                        QIcon(QStringLiteral(":/icons/doc.badge.plus.svg")));
    emptySymbol_->setPixmap(icon.pixmap(QSize(150, 150)));
    emptySymbol_->setFixedSize(150, 150);
    emptySymbol_->setAlignment(Qt::AlignCenter);
    // Drawn over the window, it must not take drops or clicks from what lies below.
    emptySymbol_->setAttribute(Qt::WA_TransparentForMouseEvents);
    emptySymbol_->raise();
    placeEmptySymbol();
}

void ContentView::placeEmptySymbol() {
    if (!emptySymbol_) {
        return;
    }
    const QRect area = centralWidget()->rect();
    emptySymbol_->move(area.center() -
                       QPoint(emptySymbol_->width() / 2, emptySymbol_->height() / 2));
}

void ContentView::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeEmptySymbol();
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
    emptySymbol_->setVisible(model_->size() == 0);
    setWindowTitle(windowTitleFor(name));
    showSelectionInList();
}

void ContentView::renderList(const ClipInfo& document) {
    const std::size_t count = document.clipCount();
    const std::uint64_t replacements = document.clipListReplacements();
    if (&document != renderedDocument_ || replacements != renderedReplacements_ ||
        count < model_->size()) {
        model_->reset(document.clipList());
    } else {
        std::vector<ClipDetail> added;
        added.reserve(count - model_->size());
        for (std::size_t i = model_->size(); i < count; ++i) {
            added.push_back(document.clipAt(i));
        }
        model_->append(std::move(added));
    }
    renderedDocument_ = &document;
    renderedReplacements_ = replacements;
}

// The row shown as selected is the one whose entry equals the selection; the
// selection itself is never changed by the program.
void ContentView::showSelectionInList() {
    const QModelIndex current = sidebar_->currentIndex();
    if (selectKey_ && current.isValid() && model_->clipAt(current.row()) == *selectKey_) {
        return;
    }
    const auto row = selectKey_ ? model_->rowOf(*selectKey_) : std::nullopt;
    const QSignalBlocker blocker(sidebar_->selectionModel());
    if (row) {
        sidebar_->setCurrentIndex(model_->index(*row));
    } else {
        sidebar_->selectionModel()->clear();
    }
    sidebar_->viewport()->update();
}

void ContentView::select(const QModelIndex& index) {
    if (!index.isValid()) {
        return;
    }
    const ClipDetail& clip = model_->clipAt(index.row());
    if (selectKey_ && *selectKey_ == clip) {
        return;
    }
    selectKey_ = clip;
    detail_->showClip(selectKey_);
}

void ContentView::copySelection() {
    if (!selectKey_) {
        return;
    }
    auto* mime = new QMimeData;
    mime->setText(QString::fromStdString(plainText(*selectKey_)));
    QApplication::clipboard()->setMimeData(mime);
}

void ContentView::writeSelection() {
    if (!selectKey_) {
        return;
    }
    clipInfo_.get()->writeClip(*selectKey_);
}

} // namespace scrivlette
