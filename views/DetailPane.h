#pragma once

#include "model/ClipDetail.h"
#include "views/ElidedLabel.h"
#include "views/EntryText.h"

#include <QCoreApplication>
#include <QStackedWidget>
#include <optional>

class QAbstractButton;
class QAction;
class QLabel;
class QPlainTextEdit;
class QScrollArea;

namespace scrivlette {

class FormattedView;
class PictureView;

// "Nothing selected.", or the selected entry's content in a monospaced font,
// followed for text entries by a bold line with its title and length.
// Beyond that: a picture entry shows its picture under its size line, and a
// formatted one (RTF, HTML, web archive, RTFD) offers "Text | Formatted",
// Text being the view above.
//
// Long content goes in piece by piece, one piece per pass of the event loop:
// the first screenful shows at once and the window stays responsive while
// the rest of a 50 MB text arrives. Pictures are decoded off the GUI thread.
class DetailPane final : public QStackedWidget {
    Q_DECLARE_TR_FUNCTIONS(scrivlette::DetailPane)

public:
    explicit DetailPane(QWidget* parent = nullptr);

    void showClip(const std::optional<ClipDetail>& clip);
    // True while the shown content is still being added.
    bool isLoading() const { return !pending_.empty() || !pendingSizeLine_.isEmpty(); }
    // True while a picture is being decoded.
    bool isDecoding() const { return decoding_; }

    QLabel* placeholder() const { return placeholder_; }
    QWidget* entryPage() const { return entryPage_; }
    QPlainTextEdit* text() const { return text_; }
    PictureView* picture() const { return picture_; }
    FormattedView* formatted() const { return formatted_; }
    QAbstractButton* textButton() const { return textButton_; }
    QAbstractButton* formattedButton() const { return formattedButton_; }
    // The button that opens a location entry's address, shown for those.
    QAbstractButton* linkButton() const { return linkButton_; }
    void setLinkAction(QAction* action);
    // Names the file the shown entry came from, and says when that file is
    // no longer among those open; an empty name shows nothing.
    void setSource(const QString& file, bool open);
    QLabel* sourceLabel() const { return source_; }
    QLabel* addressLink() const { return address_; }
    // Why the picture could not be shown, or empty.
    QString pictureProblem() const;

    static constexpr std::size_t pieceLength = 512 * 1024; // bytes of UTF-8

private:
    void createSwitch();
    void createText();
    void createPicture();
    void createLinkRow();
    void addNextPiece();
    void showFormatted(bool formatted);
    void rememberFormatted(bool formatted);
    void decodePicture(const ClipDetail& clip);

    QLabel* placeholder_;
    QWidget* entryPage_;
    QWidget* switch_ = nullptr;
    QAbstractButton* textButton_ = nullptr;
    QAbstractButton* formattedButton_ = nullptr;
    EntryText* text_;
    FormattedView* formatted_;
    QScrollArea* pictureArea_;
    PictureView* picture_;
    QLabel* pictureNote_;
    std::optional<ClipDetail> shown_; // a formatted entry, for when Formatted is chosen
    bool formattedBuilt_ = false;
    // The user's last choice of Text or Formatted, kept across entries and
    // launches; an entry with no Formatted view leaves it as it is.
    bool preferFormatted_ = false;
    QAbstractButton* linkButton_ = nullptr;
    QWidget* linkRow_ = nullptr;
    QLabel* address_ = nullptr;
    ElidedLabel* source_ = nullptr;
    bool decoding_ = false;
    // The text still to go into the view, as the entry holds it (UTF-8 is
    // half the size of a QString of it), and how much of it has gone.
    std::string pending_;
    std::size_t added_ = 0;
    QString pendingSizeLine_;
    quint64 generation_ = 0;
};

// "<title> Size: <characters>"
QString sizeLine(const ClipDetail& clip);

} // namespace scrivlette
