#include "documents/chart_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "documents/page_checks.h"

namespace zkc {
namespace {

ChartFileError Unreadable(const QString& path, const QString& reason) {
    return {ChartFileError::Kind::Unreadable,
            QString("cannot read %1: %2").arg(QFileInfo(path).fileName(), reason)};
}

// Refused as the command line refuses a document over the limit: the file
// was there to read, it is just no chart.
ChartFileError TooLarge(const QString& path) {
    return {ChartFileError::Kind::Refused, QString("%1: larger than %2 MB, so not a chart file")
                                               .arg(QFileInfo(path).fileName())
                                               .arg(kLargestChartDocumentBytes >> 20)};
}

}  // namespace

std::variant<Pages, ChartFileError> ReadChartFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return Unreadable(path, "no such file");
    }
    if (info.isDir()) {
        return Unreadable(path, "it is a folder");
    }
    if (info.size() > kLargestChartDocumentBytes) {
        return TooLarge(path);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Unreadable(path, file.errorString());
    }
    // Read at most one byte past the limit: a file that grew after the size
    // check is still refused without reading it all.
    const QByteArray bytes = file.read(kLargestChartDocumentBytes + 1);
    if (bytes.size() > kLargestChartDocumentBytes) {
        return TooLarge(path);
    }
    auto pages = PagesFromJson(bytes);
    if (const auto* error = std::get_if<DocumentError>(&pages)) {
        return ChartFileError{ChartFileError::Kind::Refused,
                              QString("%1: %2").arg(info.fileName(), error->Message)};
    }
    if (const auto refusal = PageCheckFailure(std::get<Pages>(pages))) {
        return ChartFileError{ChartFileError::Kind::Refused,
                              QString("%1: %2").arg(info.fileName(), *refusal)};
    }
    return std::get<Pages>(pages);
}

namespace {

QString CannotSave(const QString& path, const QString& reason) {
    return QString("cannot save %1: %2").arg(QFileInfo(path).fileName(), reason);
}

// A device, a pipe or a socket (/dev/stdout, a named pipe a script reads)
// cannot be replaced by a finished copy: renaming one over it would swap the
// device node itself for a plain file. Such a target takes the bytes as they
// are written, and every failed write is reported.
std::optional<QString> WriteDirectly(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return CannotSave(path, file.errorString());
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        return CannotSave(path, file.errorString());
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        return CannotSave(path, file.errorString());
    }
    return std::nullopt;
}

}  // namespace

std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    if (const QFileInfo target(path); target.exists() && !target.isFile() && !target.isDir()) {
        return WriteDirectly(path, bytes);
    }
    QSaveFile file(path);
    const auto failed = [&](const QString& reason) { return CannotSave(path, reason); };
    if (!file.open(QIODevice::WriteOnly)) {
        return failed(file.errorString());
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failed(reason);
    }
    // A write the system cut short (a full disk, a quota, a file size
    // limit) is not always reported as an error: the size on disk tells.
    if (const qint64 written = file.size(); written != bytes.size()) {
        file.cancelWriting();
        return failed(QString("only %1 of %2 bytes could be written (is the disk full?)")
                          .arg(written)
                          .arg(bytes.size()));
    }
    if (!file.commit()) {
        return failed(file.errorString());
    }
    return std::nullopt;
}

std::optional<QString> WriteChartFile(const QString& path, const Pages& pages) {
    return WriteFileAtomically(path, ChartDocument(pages));
}

}  // namespace zkc
