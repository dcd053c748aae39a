#include "DetailPane.h"

#include "model/ClipContent.h"
#include "platform/text/UnicodeText.h"
#include "views/DecodedImage.h"
#include "views/ElidedLabel.h"
#include "views/EntryText.h"
#include "views/FormattedView.h"
#include "views/PictureView.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTextBlock>
#include <QTextCursor>
#include <QThreadPool>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace scrivlette {

QString sizeLine(const ClipDetail& clip) {
    return QString::fromStdString(clip.title) + QObject::tr(" Size: ") +
           QString::number(static_cast<qulonglong>(graphemeCount(clip.content)));
}

DetailPane::DetailPane(QWidget* parent)
    : QStackedWidget(parent), placeholder_(new QLabel(tr("Nothing selected."), this)),
      entryPage_(new QWidget(this)), text_(new EntryText(entryPage_)),
      formatted_(new FormattedView(entryPage_)), pictureArea_(new QScrollArea(entryPage_)),
      picture_(new PictureView), pictureNote_(new QLabel) {
    placeholder_->setTextFormat(Qt::PlainText);
    placeholder_->setAlignment(Qt::AlignCenter);

    createText();
    formatted_->setAcceptDrops(false);
    formatted_->viewport()->setAcceptDrops(false);
    formatted_->hide();

    createPicture();
    createSwitch();
    auto* layout = new QVBoxLayout(entryPage_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    source_ = new ElidedLabel(entryPage_);
    source_->setContentsMargins(5, 2, 5, 0);
    source_->hide();
    layout->addWidget(source_);
    layout->addWidget(switch_);
    createLinkRow();
    layout->addWidget(linkRow_);
    layout->addWidget(text_, 1);
    layout->addWidget(formatted_, 1);
    layout->addWidget(pictureArea_, 3);

    addWidget(placeholder_);
    addWidget(entryPage_);
    showClip(std::nullopt);
}

void DetailPane::createText() {
    text_->setReadOnly(true);
    // A part of the text can be selected and copied; dropped files go to the
    // window, never into the text.
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setContextMenuPolicy(Qt::NoContextMenu);
    text_->setAcceptDrops(false);
    text_->viewport()->setAcceptDrops(false);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text_->setFrameShape(QFrame::NoFrame);
    text_->document()->setDocumentMargin(5);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setUndoRedoEnabled(false);
}

void DetailPane::createPicture() {
    // The picture sits under the size line, in a scrolling area of its own.
    auto* pictureBox = new QWidget;
    auto* pictureLayout = new QVBoxLayout(pictureBox);
    pictureLayout->setContentsMargins(5, 0, 5, 5);
    pictureNote_->setTextFormat(Qt::PlainText);
    pictureNote_->setForegroundRole(QPalette::PlaceholderText);
    pictureLayout->addWidget(pictureNote_);
    pictureLayout->addWidget(picture_);
    pictureLayout->addStretch(1);
    pictureArea_->setWidget(pictureBox);
    pictureArea_->setWidgetResizable(true);
    pictureArea_->setFrameShape(QFrame::NoFrame);
    pictureArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pictureArea_->hide();
}

void DetailPane::createLinkRow() {
    // A location's address as a link, with its Open Link button beside it.
    linkRow_ = new QWidget(entryPage_);
    auto* linkLayout = new QHBoxLayout(linkRow_);
    linkLayout->setContentsMargins(0, 0, 0, 0);
    auto* link = new QToolButton(linkRow_);
    link->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    linkButton_ = link;
    address_ = new QLabel(linkRow_);
    address_->setTextFormat(Qt::RichText);
    address_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(address_, &QLabel::linkActivated, this, [this] { linkButton_->click(); });
    linkLayout->addWidget(linkButton_);
    linkLayout->addWidget(address_, 1);
    linkRow_->hide();
}

namespace {

// Beside the window's own settings.
QSettings viewSettings() {
    return QSettings(QStringLiteral("scrivlette"), QStringLiteral("Scrivlette"));
}

const QString formattedKey = QStringLiteral("DetailPane/formatted");

// The chosen half of the switch in the selection's colours: styles draw a
// checked tool button a shade off the unchecked one, which a dark palette
// makes all but invisible.
void showChosen(QAbstractButton* button, bool chosen) {
    QPalette palette = button->parentWidget()->palette();
    if (chosen) {
        palette.setColor(QPalette::Button, palette.color(QPalette::Highlight));
        palette.setColor(QPalette::ButtonText, palette.color(QPalette::HighlightedText));
    }
    button->setPalette(palette);
}

} // namespace

void DetailPane::createSwitch() {
    switch_ = new QWidget(entryPage_);
    auto* layout = new QHBoxLayout(switch_);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->setSpacing(0);
    auto* group = new QButtonGroup(switch_);
    for (const QString& label : {tr("Text"), tr("Formatted")}) {
        auto* button = new QToolButton(switch_);
        button->setText(label);
        button->setCheckable(true);
        button->setAutoRaise(false);
        group->addButton(button);
        layout->addWidget(button);
        connect(button, &QAbstractButton::toggled, button,
                [button](bool chosen) { showChosen(button, chosen); });
        (textButton_ ? formattedButton_ : textButton_) = button;
    }
    layout->addStretch(1);
    textButton_->setChecked(true);
    connect(formattedButton_, &QAbstractButton::toggled, this,
            [this](bool on) { showFormatted(on); });
    // Only a click is the user's choice; the pane sets the buttons too.
    connect(textButton_, &QAbstractButton::clicked, this, [this] { rememberFormatted(false); });
    connect(formattedButton_, &QAbstractButton::clicked, this, [this] { rememberFormatted(true); });
    preferFormatted_ = viewSettings().value(formattedKey, false).toBool();
    switch_->hide();
}

void DetailPane::setSource(const QString& file, bool open) {
    source_->setVisible(!file.isEmpty());
    source_->setWholeText(open ? tr("From %1").arg(file)
                               : tr("From %1, which is no longer open").arg(file));
}

void DetailPane::setLinkAction(QAction* action) {
    static_cast<QToolButton*>(linkButton_)->setDefaultAction(action);
}

void DetailPane::rememberFormatted(bool formatted) {
    preferFormatted_ = formatted;
    viewSettings().setValue(formattedKey, formatted);
}

void DetailPane::showFormatted(bool formatted) {
    if (formatted && shown_ && !formattedBuilt_) {
        formatted_->showEntry(*shown_);
        formattedBuilt_ = true;
    }
    formatted_->setVisible(formatted);
    text_->setVisible(!formatted);
}

QString DetailPane::pictureProblem() const {
    return pictureArea_->isVisible() || !pictureNote_->text().isEmpty() ? pictureNote_->text()
                                                                        : QString();
}

void DetailPane::showClip(const std::optional<ClipDetail>& clip) {
    ++generation_;
    text_->clear();
    text_->setContentEnd(-1);
    pending_.clear();
    pendingSizeLine_.clear();
    added_ = 0;
    shown_.reset();
    formattedBuilt_ = false;
    decoding_ = false;
    picture_->setImage({});
    pictureNote_->clear();
    textButton_->setChecked(true);
    if (!clip) {
        setCurrentWidget(placeholder_);
        return;
    }
    const EntryKind kind = entryKind(*clip);
    const bool isPicture = kind == EntryKind::picture;
    const bool isFormatted = kind == EntryKind::formatted;
    switch_->setVisible(isFormatted);
    const bool isLocation = kind == EntryKind::location;
    linkRow_->setVisible(isLocation);
    if (isLocation) {
        // Opening goes through Open Link, which decides what may be opened.
        address_->setText(QStringLiteral("<a href=\"#\">%1</a>")
                              .arg(QString::fromStdString(clip->content).toHtmlEscaped()));
    }
    if (isFormatted) {
        shown_ = clip;
        formatted_->prepare(*clip);
        formattedButton_->setChecked(preferFormatted_);
        textButton_->setChecked(!preferFormatted_);
    }
    pictureArea_->setVisible(isPicture);
    // A picture's size line needs one line, not the pane, and no scroll bar
    // of its own above the picture's.
    text_->setMaximumHeight(isPicture ? text_->fontMetrics().height() * 2 + 12 : QWIDGETSIZE_MAX);
    text_->setVerticalScrollBarPolicy(isPicture ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    pending_ = clip->content;
    if (clip->useStringForData) {
        pendingSizeLine_ = sizeLine(*clip);
    }
    setCurrentWidget(entryPage_);
    addNextPiece();
    if (isPicture) {
        decodePicture(*clip);
    }
}

// Decoded on a worker: a large picture must not stop the window. The pane
// shows a picture no wider than itself, and it is never wider than the
// widest screen: that is as large as the picture is decoded, so memory
// follows what is shown, not what a header claims.
void DetailPane::decodePicture(const ClipDetail& clip) {
    decoding_ = true;
    pictureNote_->setText(tr("Decoding the picture…"));
    double widest = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        widest = std::max(widest, screen->geometry().width() * screen->devicePixelRatio());
    }
    const image::Fit shown{widest > 0 ? static_cast<std::uint32_t>(std::ceil(widest)) : 4096u,
                           static_cast<std::uint32_t>(image::maxSide)};
    QPointer<DetailPane> pane(this);
    QThreadPool::globalInstance()->start([pane, clip, shown, generation = generation_] {
        auto decoded = pictureOf(clip, shown);
        QImage image;
        QString problem;
        if (decoded) {
            image = toQImage(*decoded);
        } else {
            problem = QString::fromStdString(decoded.error().describe());
        }
        // The pane may be going away on the GUI thread meanwhile: it is only
        // looked at there, never from this worker.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [pane, image = std::move(image), problem, generation]() mutable {
                if (!pane || pane->generation_ != generation) {
                    return; // a newer selection has taken over
                }
                pane->decoding_ = false;
                pane->pictureNote_->setText(problem);
                pane->picture_->setImage(std::move(image));
            },
            Qt::QueuedConnection);
    });
}

void DetailPane::addNextPiece() {
    QTextCursor cursor(text_->document());
    cursor.movePosition(QTextCursor::End);
    if (added_ < pending_.size()) {
        std::size_t length = std::min(pieceLength, pending_.size() - added_);
        // Never split a character, or a CR LF that would become two line
        // breaks, between two pieces.
        const auto continues = [&](std::size_t at) {
            return at < pending_.size() &&
                   (static_cast<unsigned char>(pending_[at]) & 0xC0) == 0x80;
        };
        while (continues(added_ + length)) {
            ++length;
        }
        if (added_ + length < pending_.size() && pending_[added_ + length - 1] == '\r' &&
            pending_[added_ + length] == '\n') {
            ++length;
        }
        cursor.insertText(QString::fromUtf8(pending_.data() + added_, qsizetype(length)));
        added_ += length;
    }
    if (added_ >= pending_.size()) {
        pending_ = std::string(); // its memory, too
        if (!pendingSizeLine_.isEmpty()) {
            QTextCharFormat bold;
            bold.setFontWeight(QFont::Bold);
            text_->setContentEnd(cursor.position());
            cursor.insertBlock();
            cursor.insertBlock();
            cursor.insertText(pendingSizeLine_, bold);
            pendingSizeLine_.clear();
        }
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this, generation = generation_] {
            // A newer selection has taken over.
            if (generation == generation_) {
                addNextPiece();
            }
        },
        Qt::QueuedConnection);
}

} // namespace scrivlette
