#include "StatusMessages.h"

#include <QFile>
#include <QObject>
#include <QStringList>

namespace scrivlette {

QString plainReason(const ReadFailureNote& failure) {
    if (const auto& fault = failure.fault) {
        const QString at = QString::number(static_cast<qulonglong>(fault->offset));
        switch (fault->kind) {
        case ErrorKind::Truncated:
            return QObject::tr("damaged: the file ends early, at byte %1").arg(at);
        case ErrorKind::Empty:
        case ErrorKind::UnknownFormat:
            break; // nothing in it is where it went wrong
        default:
            return QObject::tr("damaged at byte %1").arg(at);
        }
    }
    const std::string& reason = failure.reason;
    const auto has = [&](std::string_view part) { return reason.find(part) != std::string::npos; };
    if (reason.starts_with("not a clipping file")) {
        return QObject::tr("not a clipping file");
    }
    if (has("Permission denied")) {
        return QObject::tr("no permission to read it");
    }
    if (has("No such file")) {
        return QObject::tr("it is not there any more");
    }
    if (has("not a regular file") || has("Is a directory")) {
        return QObject::tr("not a file");
    }
    if (reason.starts_with("empty file")) {
        return QObject::tr("empty, and no companion file holds its content");
    }
    if (has("cut short") || has("too short") || has("truncated") || has("ends") || has("trailer") ||
        has("beyond the end") || has("past the end")) {
        return QObject::tr("damaged: the file ends early");
    }
    if (reason.starts_with("not a property list")) {
        return QObject::tr("damaged: its content cannot be read");
    }
    if (reason.starts_with("not a file")) {
        return QObject::tr("not a file on this computer");
    }
    return QObject::tr("damaged: not laid out as a clipping");
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
    return QObject::tr("%1 of %2 files could not be read: %3")
        .arg(summary.failed)
        .arg(summary.files)
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

} // namespace scrivlette
