#include "FolderSteps.h"

#include "model/ClipReading.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace scrivlette {
namespace {

bool isClipping(const QFileInfo& file) {
    return clippingKind(QFile::encodeName(file.filePath()).toStdString()).has_value();
}

} // namespace

bool naturallyBefore(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype endA = i;
            qsizetype endB = j;
            while (endA < a.size() && a[endA].isDigit()) {
                ++endA;
            }
            while (endB < b.size() && b[endB].isDigit()) {
                ++endB;
            }
            // Leading zeros aside, the longer run is the larger number.
            const QStringView numberA = QStringView(a).mid(i, endA - i);
            const QStringView numberB = QStringView(b).mid(j, endB - j);
            const auto significant = [](QStringView number) {
                qsizetype zeros = 0;
                while (zeros + 1 < number.size() && number[zeros] == u'0') {
                    ++zeros;
                }
                return number.mid(zeros);
            };
            const QStringView valueA = significant(numberA);
            const QStringView valueB = significant(numberB);
            if (valueA.size() != valueB.size()) {
                return valueA.size() < valueB.size();
            }
            if (const int compared = valueA.compare(valueB); compared != 0) {
                return compared < 0;
            }
            i = endA;
            j = endB;
            continue;
        }
        const QChar left = a[i].toCaseFolded();
        const QChar right = b[j].toCaseFolded();
        if (left != right) {
            return left < right;
        }
        ++i;
        ++j;
    }
    if (a.size() - i != b.size() - j) {
        return a.size() - i < b.size() - j;
    }
    return a < b;
}

std::optional<QString> neighbourClipping(const QString& file, int step) {
    const QFileInfo current(file);
    QStringList names;
    for (const QFileInfo& entry :
         current.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (isClipping(entry)) {
            names.push_back(entry.fileName());
        }
    }
    const auto less = naturallyBefore;
    std::sort(names.begin(), names.end(), less);
    // Where the file stands, or would stand were it still there.
    const QString name = current.fileName();
    const auto at = std::lower_bound(names.begin(), names.end(), name, less);
    const bool present = at != names.end() && *at == name;
    qsizetype index = at - names.begin();
    if (step > 0) {
        index += present ? 1 : 0;
    } else {
        index -= 1;
    }
    if (index < 0 || index >= names.size()) {
        return std::nullopt;
    }
    return current.dir().filePath(names[index]);
}

} // namespace scrivlette
