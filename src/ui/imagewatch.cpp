#include "ui/imagewatch.h"

ImageWatch::ImageWatch(const Image& image, QObject* parent)
    : QObject(parent), m_image(image), m_seen(image) {}

void ImageWatch::look() {
    if (m_image == m_seen) return;
    const Fields::ByteRanges ranges = Fields::differingRanges(m_seen, m_image);
    m_seen = m_image;
    emit changed(ranges);
}
