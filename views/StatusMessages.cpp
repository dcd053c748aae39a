#include "StatusMessages.h"

#include <QFile>
#include <QObject>

namespace scrivlette {

QString readSummaryText(const ReadSummary& summary) {
    if (summary.failed == 0) {
        return {};
    }
    QString why = QObject::tr("Could not read %1: %2")
                      .arg(QString::fromStdString(summary.failedName),
                           QString::fromStdString(summary.reason));
    if (summary.files == 1) {
        return why;
    }
    return QObject::tr("%1 of %2 files could not be read. %3")
        .arg(summary.failed)
        .arg(summary.files)
        .arg(why);
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
