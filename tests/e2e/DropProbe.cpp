// Another program to drop on: a window titled "Drop Probe" that takes one
// drop and prints what arrived, one line per format ("image/png 36000568
// 4000x3000" when the PNG decodes, "text/uri-list ..."), then quits.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

class Probe final : public QWidget {
public:
    Probe() {
        setWindowTitle(QStringLiteral("Drop Probe"));
        setAcceptDrops(true);
        resize(300, 300);
    }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override { event->acceptProposedAction(); }
    void dragMoveEvent(QDragMoveEvent* event) override { event->acceptProposedAction(); }
    void dropEvent(QDropEvent* event) override {
        const QMimeData* mime = event->mimeData();
        if (mime->hasFormat(QStringLiteral("image/png"))) {
            const QByteArray png = mime->data(QStringLiteral("image/png"));
            const QImage image = QImage::fromData(png, "PNG");
            std::printf("image/png %lld %dx%d\n", static_cast<long long>(png.size()), image.width(),
                        image.height());
        }
        if (mime->hasText()) {
            std::printf("text/plain %s\n", qPrintable(mime->text()));
        }
        std::fflush(stdout);
        event->acceptProposedAction();
        // Once the drop is over: the drag's exchange is still under way here.
        QTimer::singleShot(100, qApp, &QApplication::quit);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Probe probe;
    probe.move(800, 100);
    probe.show();
    return QApplication::exec();
}
