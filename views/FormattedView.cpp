#include "FormattedView.h"

#include "platform/FlatRtfd.h"
#include "platform/formatted/WebArchive.h"
#include "platform/qt/RichText.h"
#include "platform/rtf/RtfReader.h"

#include <QDesktopServices>
#include <QImage>
#include <QStringDecoder>

namespace scrivlette {
namespace {

QByteArray bytesOf(const Bytes& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

QString decodedPage(const formatted::WebResource& page) {
    const QByteArray bytes = bytesOf(page.data);
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
    connect(this, &QTextBrowser::anchorClicked, this, &FormattedView::follow);
}

void FormattedView::follow(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto")) {
        openLink(url);
    }
}

void FormattedView::showEntry(const ClipDetail& clip) {
    // A fresh document each time: no part of an earlier entry can answer. It
    // is filled before it is shown, so it is laid out once, not per paragraph.
    auto* document = new EntryDocument(this);
    document->setUndoRedoEnabled(false); // nothing is edited; importing goes faster
    fill(*document, clip);
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

    if (clip.title == "public.rtf" || clip.title == "com.apple.flat-rtfd") {
        std::string rtf = clip.content;
        if (clip.title == "com.apple.flat-rtfd") {
            const auto wrapper = clip.data
                                     ? readFlatRtfd(*clip.data)
                                     : Expected<FileWrapper, std::string>(std::string("no bytes"));
            if (!wrapper) {
                showReason(QString::fromStdString(wrapper.error()));
                return;
            }
            rtf.clear();
            for (const FileWrapper::Child& child : wrapper->children) {
                if (child.name == "TXT.rtf") {
                    rtf = std::string(child.wrapper.contents.view());
                } else if (QImage image = QImage::fromData(bytesOf(child.wrapper.contents));
                           !image.isNull()) {
                    document->provide(attachmentUrl(child.name), QTextDocument::ImageResource,
                                      image);
                }
            }
        }
        const auto parsed = rtf::parseRtf(rtf);
        if (!parsed) {
            showReason(QString::fromStdString(parsed.error()));
            return;
        }
        fillTextDocument(*document, *parsed);
        return;
    }
    if (clip.title == "public.html") {
        document->setHtml(QString::fromStdString(clip.content));
        return;
    }
    if (clip.title == "com.apple.webarchive" && clip.data) {
        const auto archive = formatted::readWebArchive(*clip.data);
        if (!archive) {
            showReason(QString::fromStdString(archive.error()));
            return;
        }
        for (const formatted::WebResource& part : archive->subresources) {
            const QUrl url(QString::fromStdString(part.url));
            if (part.mimeType.starts_with("image/")) {
                if (QImage image = QImage::fromData(bytesOf(part.data)); !image.isNull()) {
                    document->provide(url, QTextDocument::ImageResource, image);
                }
            } else if (part.mimeType == "text/css") {
                document->provide(url, QTextDocument::StyleSheetResource, decodedPage(part));
            }
        }
        document->setBaseUrl(QUrl(QString::fromStdString(archive->mainResource.url)));
        document->setHtml(decodedPage(archive->mainResource));
        return;
    }
    showReason(tr("not formatted text"));
}

} // namespace scrivlette
