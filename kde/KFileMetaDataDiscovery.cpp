// For each file: the MIME type Qt's database gives it (by name, by name and
// content, and as Baloo's indexer takes it), the extractors KFileMetaData's discovery finds for
// that type, and what they extracted: the document types and the start of the text. One
// tab-separated line per file, for the search test to read.

#include <KFileMetaData/Extractor>
#include <KFileMetaData/ExtractorCollection>
#include <KFileMetaData/MimeUtils>
#include <KFileMetaData/SimpleExtractionResult>
#include <KFileMetaData/TypeInfo>
#include <QCoreApplication>
#include <QMimeDatabase>
#include <QStringList>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const KFileMetaData::ExtractorCollection collection;
    const QMimeDatabase mimeTypes;
    QTextStream out(stdout);
    for (const QString& file : application.arguments().mid(1)) {
        const QString byName =
            mimeTypes.mimeTypeForFile(file, QMimeDatabase::MatchExtension).name();
        const QString mimeType = mimeTypes.mimeTypeForFile(file).name();
        // Baloo's indexer takes the type the content says when the name's
        // type is not a kind of it.
        const QString strict = KFileMetaData::MimeUtils::strictMimeType(file, mimeTypes).name();
        const QList<KFileMetaData::Extractor*> extractors = collection.fetchExtractors(strict);
        KFileMetaData::SimpleExtractionResult result(file, strict);
        for (KFileMetaData::Extractor* extractor : extractors) {
            extractor->extract(&result);
        }
        QStringList types;
        for (const KFileMetaData::Type::Type type : result.types()) {
            types << KFileMetaData::TypeInfo(type).name();
        }
        out << file << '\t' << byName << '\t' << mimeType << '\t' << strict << '\t'
            << extractors.size() << '\t' << types.join(QLatin1Char(',')) << '\t'
            << result.text().left(60).simplified() << '\n';
    }
    return 0;
}
