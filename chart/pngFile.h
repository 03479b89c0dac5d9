#pragma once
// A PNG file of a large picture of few colours, written quickly: every row
// unfiltered, the whole packed with zlib's fastest level, which such a
// picture needs no more than.

#include <QByteArray>

class QImage;

// The image (any format; converted to 24-bit colour when it is not) as the
// bytes of a PNG file that says its resolution in dots per inch. Empty for
// an empty image or when zlib fails.
QByteArray FastPngBytes(const QImage &image, int dotsPerInch);
