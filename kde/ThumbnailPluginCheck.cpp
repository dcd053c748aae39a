// Loads the thumbnail plugin as KIO's thumbnail worker does (its JSON
// metadata, then its factory) and asks it for a thumbnail of each file.
// Prints the MIME types the metadata names, then one line per file: its
// name and the thumbnail's size, or "failed"; writes each as NAME.png.
// Usage: thumbnail-plugin-check PLUGIN OUTPUT_FOLDER SIZE MIMETYPE:FILE...

#include <KIO/ThumbnailCreator>
#include <KPluginFactory>
#include <KPluginMetaData>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>
#include <QUrl>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    QTextStream out(stdout);
    if (arguments.size() < 4) {
        out << "usage: thumbnail-plugin-check PLUGIN OUTPUT_FOLDER SIZE MIMETYPE:FILE...\n";
        return 2;
    }
    const KPluginMetaData metadata(arguments[1]);
    out << "mimetypes " << metadata.mimeTypes().join(QLatin1Char(',')) << '\n';
    const auto creator = KPluginFactory::instantiatePlugin<KIO::ThumbnailCreator>(metadata);
    if (!creator) {
        out << "not loaded: " << creator.errorString << '\n';
        return 1;
    }
    const QDir folder(arguments[2]);
    const int size = arguments[3].toInt();
    for (const QString& argument : arguments.mid(4)) {
        const QString mimeType = argument.section(QLatin1Char(':'), 0, 0);
        const QString file = argument.section(QLatin1Char(':'), 1);
        const KIO::ThumbnailRequest request(QUrl::fromLocalFile(file), QSize(size, size), mimeType,
                                            1.0, 0);
        const KIO::ThumbnailResult result = creator.plugin->create(request);
        const QString name = QFileInfo(file).fileName();
        if (!result.isValid()) {
            out << name << "\tfailed\n";
            continue;
        }
        out << name << '\t' << result.image().width() << 'x' << result.image().height() << '\n';
        result.image().save(folder.filePath(name + QStringLiteral(".png")));
    }
    return 0;
}
