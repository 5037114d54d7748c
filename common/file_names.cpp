#include "common/file_names.h"

#include <sys/stat.h>
#include <QByteArray>
#include <QFile>

namespace calorix {

namespace {

bool Exists(const QByteArray& path) {
    struct stat st {};
    return ::stat(path.constData(), &st) == 0;
}

}  // namespace

std::string File_System_Path(const QString& path, bool existing_file) {
    const QByteArray local = QFile::encodeName(path);
    if (existing_file && !Exists(local)) {
        const QByteArray latin1 = path.toLatin1();
        // Only a name every character of which Latin-1 holds.
        if (latin1 != local && QString::fromLatin1(latin1) == path && Exists(latin1)) {
            return latin1.toStdString();
        }
    }
    return local.toStdString();
}

QString Shown_Path(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace calorix
