#pragma once

#include "platform/Url.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QWidget;

namespace scrivlette {

// Where the window's files come from: File > Open, which starts in the
// folder of the file opened last, and Go > Next and Previous Clipping, which
// step through the folder of the file read last in file managers' order.
class FileNavigation final : public QObject {
    Q_DECLARE_TR_FUNCTIONS(scrivlette::FileNavigation)

public:
    using Open = std::function<void(const std::vector<Url>&)>;
    using Say = std::function<void(const QString&)>;

    // `open` reads files into the window; `say` puts a line in its status bar.
    FileNavigation(QWidget* window, Open open, Say say);

    QAction* openAction() const { return openAction_; }
    QAction* nextAction() const { return nextAction_; }
    QAction* previousAction() const { return previousAction_; }

    // Files about to be read, from any source: the next Open starts beside them.
    void opening(const std::vector<Url>& urls);
    // The file read last, whose folder Go steps through.
    void read(const Url& url);
    // The folder of the file read last, or empty.
    QString lastReadFolder() const;

private:
    void chooseFiles();
    void step(int direction);

    QWidget* window_;
    Open open_;
    Say say_;
    QAction* openAction_ = nullptr;
    QAction* nextAction_ = nullptr;
    QAction* previousAction_ = nullptr;
    QString openFolder_;
    QString lastRead_;
};

} // namespace scrivlette
