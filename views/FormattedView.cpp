#include "FormattedView.h"

#include "model/ClipContent.h"
#include "platform/qt/RichText.h"
#include "views/DecodedImage.h"
#include "views/StatusMessages.h"

#include <QDesktopServices>
#include <QImage>
#include <QMainWindow>
#include <QMimeData>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStringDecoder>
#include <QTextDocumentFragment>
#include <QThread>
#include <QThreadPool>
#include <condition_variable>
#include <mutex>

namespace scrivlette {
namespace {

// Pictures in a document are drawn no larger than a wide screen shows them.
constexpr image::Fit attachmentFit{4096, 4096};

QByteArray bytesOf(const Bytes& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

QString decodedPage(const FormattedDocument::Part& page) {
    const QByteArray bytes = bytesOf(page.bytes);
    QStringDecoder decoder(page.textEncoding.empty() ? "UTF-8" : page.textEncoding.c_str());
    if (!decoder.isValid()) {
        decoder = QStringDecoder(QStringDecoder::Utf8);
    }
    return decoder(bytes);
}

} // namespace

void EntryDocument::provide(const QUrl& url, int type, QVariant value) {
    parts_[{type, url}] = std::move(value);
}

QVariant EntryDocument::loadResource(int type, const QUrl& name) {
    for (const QUrl& url : {name, baseUrl().resolved(name)}) {
        const auto found = parts_.find({type, url});
        if (found != parts_.end()) {
            return found->second;
        }
    }
    refused_.push_back(name);
    return {};
}

FormattedView::FormattedView(QWidget* parent)
    : QTextBrowser(parent), openLink([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
    // Documents are shown on paper, whatever the theme: their own colours
    // (black text, dark-blue links) were chosen for a light page.
    QPalette paper = palette();
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    paper.setColor(QPalette::Link, QColor(0x0b, 0x4f, 0xd6));
    paper.setColor(QPalette::LinkVisited, QColor(0x6a, 0x2f, 0xb0));
    setPalette(paper);
    connect(this, &QTextBrowser::anchorClicked, this, &FormattedView::follow);
}

void FormattedView::follow(const QUrl& url) {
    if (mayOpen(url.toString().toStdString())) {
        openLink(url);
        return;
    }
    // A click that does nothing says why, in the window's status line.
    if (auto* window = qobject_cast<QMainWindow*>(this->window())) {
        window->statusBar()->showMessage(notOpenedText(url.toString()));
    }
}

// A document made on a worker and handed to the GUI thread, or dropped there
// when its entry is no longer wanted.
struct FormattedView::Preparation {
    explicit Preparation(ClipDetail entry) : clip(std::move(entry)) {}
    ClipDetail clip;
    std::mutex mutex;
    std::condition_variable ready;
    EntryDocument* document = nullptr; // lives in the GUI thread once done
    bool done = false;
    bool abandoned = false;
};

FormattedView::~FormattedView() {
    abandonPreparation();
}

void FormattedView::abandonPreparation() {
    // Held here until the lock is let go: once the worker is done, ours may
    // be the last reference, and the mutex goes with it.
    const std::shared_ptr<Preparation> preparation = std::move(preparation_);
    if (!preparation) {
        return;
    }
    const std::lock_guard lock(preparation->mutex);
    preparation->abandoned = true;
    delete preparation->document; // made, moved here, and never shown
    preparation->document = nullptr;
}

void FormattedView::prepare(const ClipDetail& clip) {
    abandonPreparation();
    auto preparation = std::make_shared<Preparation>(clip);
    preparation_ = preparation;
    QThread* gui = thread();
    QThreadPool::globalInstance()->start([preparation, gui] {
        {
            // Quick selections leave queued work nobody wants any more.
            const std::lock_guard lock(preparation->mutex);
            if (preparation->abandoned) {
                preparation->done = true;
                return;
            }
        }
        // Text documents are reentrant: one made here is used by no one else.
        auto document = std::make_unique<EntryDocument>();
        document->setUndoRedoEnabled(false);
        fill(*document, preparation->clip);
        const std::lock_guard lock(preparation->mutex);
        if (!preparation->abandoned) {
            document->moveToThread(gui);
            preparation->document = document.release();
        }
        preparation->done = true;
        preparation->ready.notify_all();
    });
}

void FormattedView::showEntry(const ClipDetail& clip) {
    if (preparation_ && preparation_->clip.id == clip.id) {
        std::unique_lock lock(preparation_->mutex);
        preparation_->ready.wait(lock, [&] { return preparation_->done; });
        EntryDocument* prepared = std::exchange(preparation_->document, nullptr);
        lock.unlock();
        preparation_.reset();
        if (prepared) {
            display(prepared);
            return;
        }
    }
    // A fresh document each time: no part of an earlier entry can answer. It
    // is filled before it is shown, so it is laid out once, not per paragraph.
    auto* document = new EntryDocument;
    document->setUndoRedoEnabled(false); // nothing is edited; importing goes faster
    fill(*document, clip);
    display(document);
}

void FormattedView::display(EntryDocument* document) {
    document->setParent(this);
    setDocument(document);
    if (document_) {
        document_->deleteLater();
    }
    document_ = document;
}

void FormattedView::fill(EntryDocument& target, const ClipDetail& clip) {
    EntryDocument* document = &target;
    const auto showReason = [document](const QString& reason) {
        document->setPlainText(tr("This entry cannot be shown formatted: %1").arg(reason));
    };

    const auto source = formattedDocumentOf(clip);
    if (!source) {
        showReason(QString::fromStdString(source.error().describe()));
        return;
    }
    for (const FormattedDocument::Part& part : source->parts) {
        const QUrl url =
            source->rich ? attachmentUrl(part.url) : QUrl(QString::fromStdString(part.url));
        if (part.mimeType == "text/css") {
            document->provide(url, QTextDocument::StyleSheetResource, decodedPage(part));
        } else if (QImage image = attachedImage(part.url, part.bytes, attachmentFit);
                   !image.isNull()) {
            document->provide(url, QTextDocument::ImageResource, image);
        }
    }
    if (source->rich) {
        fillTextDocument(*document, *source->rich);
        return;
    }
    if (!source->page.url.empty()) {
        document->setBaseUrl(QUrl(QString::fromStdString(source->page.url)));
    }
    document->setHtml(decodedPage(source->page));
}

QMimeData* FormattedView::createMimeDataFromSelection() const {
    const QTextDocumentFragment fragment(textCursor());
    QString text = fragment.toPlainText();
    text.remove(QChar(QChar::ObjectReplacementCharacter));
    QString html = fragment.toHtml();
    html.remove(QRegularExpression(QStringLiteral("<img[^>]*>")));
    auto* mime = new QMimeData;
    mime->setText(text);
    mime->setHtml(html);
    return mime;
}

} // namespace scrivlette
