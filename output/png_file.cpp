#include "output/png_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <string_view>

#include "common/atomic_file.h"

namespace calorix {

bool Save_Png_File(const QImage& image, const QString& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        return false;
    }
    // The name as the file system spells it, which need not be UTF-8.
    return Replace_File_Contents(QFile::encodeName(path).toStdString(),
                                 std::string_view(bytes.constData(), bytes.size()));
}

}  // namespace calorix
