#pragma once
// Pictures written to PNG files, whole or not at all.
class QImage;
class QString;

namespace calorix {

// Encodes the image as PNG in memory and only then hands the bytes to the
// file, so that a full disk or a size limit leaves an older picture as it was
// instead of one cut short that no viewer opens.  False when the picture
// cannot be encoded or the file cannot be written.
bool Save_Png_File(const QImage& image, const QString& path);

}  // namespace calorix
