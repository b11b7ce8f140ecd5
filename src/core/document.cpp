#include "core/document.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSaveFile>
#include <array>
#include <cerrno>
#include <cstring>

#include "core/texts.h"

void Document::markSaved() {
    m_saved = image;
    m_referenceChecksum = byteSum(image);
}

OpenStatus Document::open(const QString& path) {
    const OpenStatus status = readImageFile(path, image);
    if (status != OpenStatus::Loaded) return status;
    m_fileName = path;
    m_nameKnown = true;
    m_reportFileName = path;
    markSaved();
    return status;
}

WriteStatus Document::save() {
    if (!m_nameKnown) return {};
    const WriteStatus status = writeImageFile(m_fileName, image);
    if (status.ok) markSaved();
    return status;
}

WriteStatus Document::saveAs(const QString& path) {
    const WriteStatus status = writeImageFile(path, image);
    if (!status.ok) return status;
    m_fileName = path;
    m_nameKnown = true;
    markSaved();
    return status;
}

bool hasOrvExtension(const QString& path) { return path.endsWith(QLatin1String(Texts::Extension)); }

namespace {

// A file opened with the system's own calls: non-blocking, so a FIFO or device given as the path
// cannot make the editor wait, and examined with fstat on the handle.
class FileImageSource final : public ImageSource {
public:
    explicit FileImageSource(int fd) : m_fd(fd) {}
    ~FileImageSource() override { ::close(m_fd); }
    FileImageSource(const FileImageSource&) = delete;
    FileImageSource& operator=(const FileImageSource&) = delete;

    qint64 length() override {
        struct stat info {};
        if (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode)) return -1;
        return qint64(info.st_size);
    }
    qint64 read(char* data, qint64 max) override {
        for (;;) {
            const ssize_t n = ::read(m_fd, data, std::size_t(max));
            if (n < 0 && errno == EINTR) continue;
            return qint64(n);
        }
    }

private:
    int m_fd;
};

}  // namespace

std::unique_ptr<ImageSource> openImageSource(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
    return std::make_unique<FileImageSource>(fd);
}

OpenStatus readImageFile(const QString& path, Image& out) {
    const std::unique_ptr<ImageSource> source = openImageSource(path);
    return readImageFile(path, source.get(), out);
}

OpenStatus readImageFile(const QString& path, ImageSource* source, Image& out) {
    // A file that cannot be opened or examined is a read error whatever its name.
    const qint64 length = source ? source->length() : -1;
    if (length < 0) return OpenStatus::ReadError;
    if (!hasOrvExtension(path) || length != ImageSize) return OpenStatus::BadNameOrLength;

    // One byte more than an image is asked for, so a file that grew since its length was taken
    // is seen as well as one that shrank.
    std::array<char, ImageSize + 1> buffer{};
    qint64 done = 0;
    while (done < qint64(buffer.size())) {
        const qint64 n = source->read(buffer.data() + done, qint64(buffer.size()) - done);
        if (n < 0) return OpenStatus::ReadError;
        if (n == 0) break;  // the end of the file
        done += n;
    }
    if (done != ImageSize) return OpenStatus::BadNameOrLength;
    std::memcpy(out.data(), buffer.data(), ImageSize);
    return OpenStatus::Loaded;
}

WriteStatus writeImageFile(const QString& path, const Image& image) {
    // Unbuffered, so every write reaches the file system here and a short one (full disk, file
    // size limit, quota) is seen before commit(); a buffered QSaveFile flushes inside commit() and
    // still renames the short temporary file over the document when that flush fails.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString()};
    const auto fail = [&file](QString reason) {
        file.cancelWriting();  // the temporary file goes, the document stays as it was
        return WriteStatus{false, reason};
    };
    const char* data = reinterpret_cast<const char*>(image.data());
    qint64 done = 0;
    while (done < ImageSize) {
        // A partial write is retried for the rest, so the system's reason for stopping is known.
        const qint64 n = file.write(data + done, ImageSize - done);
        if (n <= 0) return fail(file.errorString());
        done += n;
    }
    if (!file.flush()) return fail(file.errorString());
    if (file.size() != ImageSize)
        return fail(
            QStringLiteral("Only %1 of %2 bytes were written").arg(file.size()).arg(ImageSize));
    // The bytes must be on the disk before the new file takes the document's name; file systems
    // that report a full disk only on sync (network shares) are caught here. A file system that
    // cannot sync at all is no reason to refuse the save.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
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
