#include "core/document.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <array>
#include <cerrno>
#include <cstring>

#include "core/texts.h"

void Document::markSaved() {
    m_saved = image;
    takeIdentity();
}

void Document::takeIdentity() { m_identity = fileIdentity(m_fileName); }

bool Document::changedOnDisk() const {
    if (!m_nameKnown) return false;
    const std::optional<FileIdentity> now = fileIdentity(m_fileName);
    if (!now) return true;
    if (!now->exists) return false;
    if (m_identity && *now != *m_identity) return true;
    // The same file by every sign the system keeps; its bytes tell the rest.
    Image onDisk{};
    return readImageFile(m_fileName, onDisk) != OpenStatus::Loaded || onDisk != m_saved;
}

DocumentState Document::state() const {
    return {image, m_saved, m_fileName, m_reportFileName, m_nameKnown, m_identity, {}};
}

void Document::restore(const DocumentState& state) {
    image = state.image;
    m_saved = state.saved;
    m_fileName = state.fileName;
    m_reportFileName = state.reportFileName;
    m_nameKnown = state.nameKnown;
    m_identity = state.identity;
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

WriteStatus Document::save(const ReplacementCheck& check) {
    if (!m_nameKnown) return {};
    const WriteStatus status = writeImageFile(m_fileName, image, check);
    if (status.ok) markSaved();
    return status;
}

WriteStatus Document::saveAs(const QString& path, const ReplacementCheck& check) {
    const WriteStatus status = writeImageFile(path, image, check);
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

WriteStatus writeImageFile(const QString& path, const Image& image, const ReplacementCheck& check) {
    return writeFileChecked(path, bytesOf(image), check);
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
