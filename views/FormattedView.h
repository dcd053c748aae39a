#pragma once

#include "model/ClipDetail.h"

#include <QCoreApplication>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <functional>
#include <map>
#include <memory>

namespace scrivlette {

// A document that answers requests for images and style sheets only from
// what it was given: the entry's own parts. Everything else (http:, file:,
// anything) is refused, so showing a clipping never reaches the network or
// the disk.
class EntryDocument final : public QTextDocument {
public:
    using QTextDocument::QTextDocument;

    void provide(const QUrl& url, int type, QVariant value);
    // What was asked for and refused, so tests can see an attempt.
    const std::vector<QUrl>& refused() const { return refused_; }

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    std::map<std::pair<int, QUrl>, QVariant> parts_;
    std::vector<QUrl> refused_;
};

// Formatted text as its reader would see it: RTF (with an RTFD's pictures in
// place), HTML, and a web archive's page with the pictures it carries. Links
// show as links; a click opens only http, https and mailto links, in the
// user's browser or mail program.
class FormattedView final : public QTextBrowser {
    Q_DECLARE_TR_FUNCTIONS(scrivlette::FormattedView)

public:
    explicit FormattedView(QWidget* parent = nullptr);

    // Starts making the entry's document on a worker, so that showing it
    // later takes only its layout: a large page takes a while to import.
    void prepare(const ClipDetail& clip);
    // Shows the entry: the prepared document when it is this entry's (waiting
    // for it if need be), otherwise one made now.
    void showEntry(const ClipDetail& clip);
    EntryDocument* entryDocument() const { return document_; }

    // Where a clicked link goes; the desktop's handler unless a test says.
    std::function<void(const QUrl&)> openLink;

    ~FormattedView() override;

protected:
    // A selection leaves as what the reader sees, as plain text and HTML:
    // the pictures in it are not handed out as U+FFFC or as references to
    // the entry's insides.
    QMimeData* createMimeDataFromSelection() const override;

private:
    struct Preparation;

    static void fill(EntryDocument& document, const ClipDetail& clip);
    void follow(const QUrl& url);
    void abandonPreparation();
    void display(EntryDocument* document);

    EntryDocument* document_ = nullptr;
    std::shared_ptr<Preparation> preparation_;
};

} // namespace scrivlette
