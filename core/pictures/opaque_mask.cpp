#include "core/pictures/opaque_mask.h"

OpaqueMask opaqueMask(const QImage& image) {
    const QImage argb = image.format() == QImage::Format_ARGB32_Premultiplied ||
                                image.format() == QImage::Format_ARGB32
                            ? image
                            : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    OpaqueMask mask;
    const int w = argb.width();
    mask.bytesPerLine = (w + 31) / 32 * 4;
    mask.bits.assign(static_cast<std::size_t>(mask.bytesPerLine) * argb.height(), 0);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* out = mask.bits.data() + static_cast<std::size_t>(y) * mask.bytesPerLine;
        for (int x = 0; x < w; ++x) {
            if (qAlpha(row[x]) != 0) {
                out[x / 8] |= uchar(1u << (x % 8));
            }
        }
    }
    return mask;
}
