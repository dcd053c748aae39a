#include "ReadSummaryView.h"

#include "views/StatusMessages.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>

namespace scrivlette {

ReadSummaryView::ReadSummaryView(QStatusBar* statusBar, QWidget* window)
    : QObject(window), statusBar_(statusBar), window_(window) {
    auto* details = new QPushButton(tr("Details…"), statusBar);
    details->setObjectName(QStringLiteral("details"));
    details->setFlat(true);
    details->setToolTip(tr("Every file that could not be read, and why."));
    details->hide();
    connect(details, &QPushButton::clicked, this, &ReadSummaryView::showFailures);
    statusBar->addPermanentWidget(details);
    details_ = details;
}

void ReadSummaryView::show(const ReadSummary& summary) {
    failures_ = summary.failures;
    status_ = readSummaryText(summary);
    details_->setVisible(!failures_.empty());
    showStatus();
}

void ReadSummaryView::clear() {
    statusBar_->clearMessage();
    status_.clear();
}

void ReadSummaryView::refit() {
    if (!status_.isEmpty() && statusBar_->currentMessage() == shownStatus_) {
        showStatus();
    }
}

// The read summary as the status line fits it, cut at a word; Details shows
// the whole of it.
void ReadSummaryView::showStatus() {
    if (status_.isEmpty()) {
        statusBar_->clearMessage();
        return;
    }
    const int room =
        statusBar_->width() - (details_->isVisible() ? details_->sizeHint().width() + 24 : 16);
    shownStatus_ = elidedAtWord(status_, statusBar_->fontMetrics(), room);
    statusBar_->showMessage(shownStatus_);
}

// Every file not read, each with its plain reason, and the reader's own
// words under Show Details, as GNOME and KDE dialogs keep technical detail
// behind an expander. Not modal: the window stays usable.
void ReadSummaryView::showFailures() {
    if (failures_.empty()) {
        return;
    }
    QStringList plain;
    QStringList technical;
    for (const ReadFailureNote& failure : failures_) {
        const QString file = QString::fromStdString(failure.name);
        plain << QStringLiteral("• ") + file + QStringLiteral(": ") + plainReason(failure);
        technical << file + QStringLiteral(": ") + QString::fromStdString(failure.error.message);
    }
    auto* box = new QMessageBox(
        QMessageBox::Warning, tr("Files Not Read"),
        tr("%n file(s) could not be read.", nullptr, static_cast<int>(failures_.size())),
        QMessageBox::Close, window_);
    box->setObjectName(QStringLiteral("readfailures"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->setInformativeText(plain.join(u'\n'));
    box->setDetailedText(technical.join(u'\n'));
    // A message box is sized for a sentence; a line per file reads best
    // unwrapped, as far as the box may grow.
    if (auto* list = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"))) {
        int widest = 0;
        for (const QString& line : plain) {
            widest = std::max(widest, list->fontMetrics().horizontalAdvance(line));
        }
        const QScreen* screen = window_->screen();
        const int room = screen ? screen->availableGeometry().width() / 2 : 640;
        list->setMinimumWidth(std::min(widest + list->fontMetrics().averageCharWidth(), room));
    }
    box->show();
    failuresBox_ = box;
}

} // namespace scrivlette
