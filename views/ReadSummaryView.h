#pragma once

#include "views/ScrivletteDropDelegate.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

class QAbstractButton;
class QStatusBar;
class QWidget;

namespace scrivlette {

// What the window says after files were read: a status line cut to fit, and
// its Details button (object name "details"), which lists every file not
// read with its plain reason and the reader's own words behind Show Details.
class ReadSummaryView final : public QObject {
    Q_DECLARE_TR_FUNCTIONS(scrivlette::ReadSummaryView)

public:
    ReadSummaryView(QStatusBar* statusBar, QWidget* window);

    void show(const ReadSummary& summary);
    // Before a new opening: nothing to report yet.
    void clear();
    // Cut the line anew for the status bar's width, unless another message
    // has taken its place.
    void refit();

private:
    void showStatus();
    void showFailures();

    QStatusBar* statusBar_;
    QWidget* window_;
    QAbstractButton* details_ = nullptr;
    QString status_;                        // the whole of the last read summary
    QString shownStatus_;                   // as the status line last showed it
    std::vector<ReadFailureNote> failures_; // of the last opening
    QPointer<QWidget> failuresBox_;
};

} // namespace scrivlette
