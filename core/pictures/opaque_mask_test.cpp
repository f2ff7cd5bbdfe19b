#include "core/pictures/opaque_mask.h"

#include <gtest/gtest.h>

namespace {

// The layout is what the X server reads as it is: a wrong bit order or row
// padding would shape the window to a scrambled outline.
TEST(OpaqueMask, OneBitPerPixelLowestBitFirstRowsPaddedTo32Bits) {
    QImage image(33, 2, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setPixel(0, 0, qRgb(1, 2, 3));
    image.setPixel(9, 0, qRgba(0, 0, 0, 1)); // barely opaque still counts
    image.setPixel(32, 1, qRgb(1, 2, 3));
    const OpaqueMask mask = opaqueMask(image);
    ASSERT_EQ(mask.bytesPerLine, 8);
    ASSERT_EQ(mask.bits.size(), 16u);
    std::vector<uchar> expected(16, 0);
    expected[0] = 0x01;
    expected[1] = 0x02;
    expected[8 + 4] = 0x01;
    EXPECT_EQ(mask.bits, expected);
}

} // namespace
