#include "core/document.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "core/texts.h"

void Document::markSaved() {
    reference = image;
    referenceChecksum = BufferChecksum(image);
}

bool hasOrvExtension(const QString& path) { return path.endsWith(QLatin1String(Texts::Extension)); }

OpenStatus readImageFile(const QString& path, Image& out) {
    const bool goodName = hasOrvExtension(path);
    QFileInfo info(path);
    if (!info.exists() || !info.isFile()) return OpenStatus::ReadError;
    if (!goodName || info.size() != ImageSize) return OpenStatus::BadNameOrLength;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return OpenStatus::ReadError;
    Image buffer{};
    qint64 done = 0;
    while (done < ImageSize) {
        const qint64 n = file.read(reinterpret_cast<char*>(buffer.data()) + done, ImageSize - done);
        if (n <= 0) return OpenStatus::ReadError;
        done += n;
    }
    out = buffer;
    return OpenStatus::Loaded;
}

WriteStatus writeImageFile(const QString& path, const Image& image) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {false, file.errorString()};
    if (file.write(reinterpret_cast<const char*>(image.data()), ImageSize) != ImageSize) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit()) return {false, file.errorString()};
    return {true, {}};
}

std::optional<QString> closureQuestion(std::uint8_t accessFlags) {
    const int flags = accessFlags & 0x07;
    if (flags == 0x01) return std::nullopt;
    QString text;
    if (!(flags & 0x01)) text += QLatin1String(Texts::TransmitterDisabled);
    if (flags & 0x02) text += QLatin1Char('\n') + QLatin1String(Texts::CtcssEnabled);
    if (flags & 0x04) text += QLatin1Char('\n') + QLatin1String(Texts::DtmfAccessEnabled);
    text += QLatin1Char('\n') + QLatin1String(Texts::SaveAnyway);
    return text;
}
