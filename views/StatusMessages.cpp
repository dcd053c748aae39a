#include "StatusMessages.h"

#include <QFile>
#include <QObject>
#include <QStringList>

namespace scrivlette {

namespace {

// Where in the bytes a reader found the damage: only for faults of the
// bytes themselves, placed.
QString placedReason(const ReadError& error) {
    const QString at = QString::number(static_cast<qulonglong>(error.offset));
    return error.kind == ErrorKind::Truncated
               ? QObject::tr("damaged: the file ends early, at byte %1").arg(at)
               : QObject::tr("damaged at byte %1").arg(at);
}

} // namespace

QString plainReason(const ReadFailureNote& failure) {
    const ReadError& error = failure.error;
    switch (error.kind) {
    case ErrorKind::NotAClipping:
        return QObject::tr("not a clipping file");
    case ErrorKind::NoPermission:
        return QObject::tr("no permission to read it");
    case ErrorKind::NotFound:
        return QObject::tr("it is not there any more");
    case ErrorKind::NotAFile:
        return QObject::tr("not a file");
    case ErrorKind::NotLocal:
        return QObject::tr("not a file on this computer");
    case ErrorKind::Empty:
        // Nothing in it is where it went wrong.
        return error.placed() ? QObject::tr("damaged: its content cannot be read")
                              : QObject::tr("empty, and no companion file holds its content");
    case ErrorKind::UnknownFormat:
        return QObject::tr("damaged: its content cannot be read");
    case ErrorKind::Truncated:
        return error.placed() ? placedReason(error) : QObject::tr("damaged: the file ends early");
    case ErrorKind::FileSystem:
        return QObject::tr("damaged: not laid out as a clipping");
    default:
        return error.placed() ? placedReason(error)
                              : QObject::tr("damaged: not laid out as a clipping");
    }
}

QString readSummaryText(const ReadSummary& summary) {
    if (summary.failed == 0) {
        return {};
    }
    if (summary.files == 1 && summary.failures.size() == 1) {
        return QObject::tr("Could not read %1: %2")
            .arg(QString::fromStdString(summary.failures.front().name),
                 plainReason(summary.failures.front()));
    }
    QStringList named;
    for (const ReadFailureNote& failure : summary.failures) {
        named << QObject::tr("%1 (%2)").arg(QString::fromStdString(failure.name),
                                            plainReason(failure));
    }
    return QObject::tr("%1 of %n file(s) could not be read: %2", nullptr,
                       static_cast<int>(summary.files))
        .arg(summary.failed)
        .arg(named.join(QStringLiteral(", ")));
}

QString elidedAtWord(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width) {
        return text;
    }
    const QString ellipsis = QStringLiteral("…");
    QString cut = text;
    while (!cut.isEmpty() && metrics.horizontalAdvance(cut + ellipsis) > width) {
        const qsizetype space = cut.lastIndexOf(u' ');
        cut.truncate(space < 0 ? 0 : space);
        while (cut.endsWith(u',') || cut.endsWith(u':') || cut.endsWith(u' ')) {
            cut.chop(1);
        }
    }
    return cut + ellipsis;
}

QString writeOutcomeText(const WriteOutcome& outcome) {
    const QString path = QFile::decodeName(QByteArray::fromStdString(outcome.path));
    switch (outcome.status) {
    case WriteOutcome::Status::written:
        return QObject::tr("Wrote %1").arg(path);
    case WriteOutcome::Status::cancelled:
        return {};
    case WriteOutcome::Status::nothingToWrite:
        return QObject::tr("Nothing written: %1").arg(QString::fromStdString(outcome.message));
    case WriteOutcome::Status::notAFileWrapper:
    case WriteOutcome::Status::failed:
        break;
    }
    return QObject::tr("Could not write %1: %2").arg(path, QString::fromStdString(outcome.message));
}

QString notOpenedText(const QString& address) {
    return QObject::tr(
               "Not opened: %1 is not a web or mail address, and only those open with a click.")
        .arg(address);
}

} // namespace scrivlette
