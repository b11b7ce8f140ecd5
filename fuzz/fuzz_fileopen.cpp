// The file checks of opening: the input, of any length, as the content of a ".orv" file. Exactly
// 8192 bytes open as the image; any other length is refused and leaves the document as it was.
#include <QFile>
#include <QTemporaryDir>
#include <cstring>

#include "core/document.h"
#include "fuzzimage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("fuzz.orv"));
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
    }
    Document document;
    document.image.fill(0xA5);
    const Image before = document.image;
    const OpenStatus status = document.open(path);
    if (size == std::size_t(ImageSize)) {
        FUZZ_CHECK(status == OpenStatus::Loaded);
        FUZZ_CHECK(std::memcmp(document.image.data(), data, ImageSize) == 0);
        FUZZ_CHECK(!document.isModified() && document.fileName() == path);
    } else {
        FUZZ_CHECK(status == OpenStatus::BadNameOrLength);
        FUZZ_CHECK(document.image == before && !document.nameKnown());
    }
    return 0;
}
