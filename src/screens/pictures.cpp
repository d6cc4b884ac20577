// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/pictures.h"

#include <cstring>
#include <string>

#include "util/errors.h"
#include "util/jpeg.h"
#include "util/textfile.h"

namespace vm {

QPixmap pixelArt(const QImage& image, QSize size, qreal ratio) {
    QPixmap art =
        QPixmap::fromImage(image.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    art.setDevicePixelRatio(ratio);
    return art;
}

namespace {

// The small pictures with a see-through edge (the ball, its shadow) are PNG,
// which Qt reads itself.
QImage decodePng(const std::string& bytes) {
    QImage image;
    if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()),
                            "PNG"))
        throw FormatError("PNG画像ではありません");
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

QImage toImage(const Bitmap& bitmap) {
    QImage image(bitmap.width, bitmap.height, QImage::Format_ARGB32);
    // Bitmap pixels are 0xAARRGGBB words, exactly Format_ARGB32's layout.
    for (int y = 0; y < bitmap.height; ++y)
        std::memcpy(image.scanLine(y), &bitmap.pixels[static_cast<std::size_t>(y) * bitmap.width],
                    static_cast<std::size_t>(bitmap.width) * 4);
    return image;
}

QImage loadSkin(const World& world, std::string_view file) {
    const std::string relative = "data/skin/" + std::string(file);
    const std::string bytes = readBytes(world.shipped(relative));  // DataError names the file
    try {
        if (relative.ends_with(".bmp")) return toImage(decodeBmp(bytes));
        if (relative.ends_with(".png")) return decodePng(bytes);
        return toImage(decodeJpeg(bytes));
    } catch (const FormatError& e) {
        throw DataError(world.shipped(relative).generic_string() + " を読み込めません（" + e.what() + "）");
    }
}

}  // namespace vm
