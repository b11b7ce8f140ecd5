// The open document: the configuration image, its file name and the copy it is compared with,
// and the file rules for opening and writing it.
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "core/filewriter.h"
#include "core/image.h"
#include "core/regions.h"

enum class OpenStatus { Loaded, BadNameOrLength, ReadError };

// Everything that makes an open document what it is, so another run can take it up again: the
// edited image, the image as last opened or saved, its names and its file as last seen.
struct DocumentState {
    Image image{};
    Image saved{};
    QString fileName;
    QString reportFileName;
    bool nameKnown = false;
    std::optional<FileIdentity> identity;
    // The memory layout the document was edited in (DIP switch #5 ON: four memory saves), where
    // it is known: a recovery copy keeps it, as the same bytes read otherwise in the other one.
    std::optional<bool> fourMemorySaves;

    bool operator==(const DocumentState&) const = default;
};

// The image with the names it goes by. Opening and saving keep the names and the saved copy in
// step, so a window never sets them by hand: only opening names the report, and a write that
// fails leaves every name and the saved copy as they were, so the edits still count as unsaved.
class Document {
public:
    Image image{};  // edited in place by every dialog

    const QString& fileName() const { return m_fileName; }  // the file Save writes
    // Save does nothing until a file was opened or saved under a name.
    bool nameKnown() const { return m_nameKnown; }
    // Shown in report headings: the file last opened, whatever Save As chose since.
    const QString& reportFileName() const { return m_reportFileName; }

    // Modified means "differs from the last opened or saved image", byte for byte; the checksum
    // alone would miss edits that keep the byte sum.
    bool isModified() const { return image != m_saved; }

    // Reads the file into the image. Once loaded, the path is both the file name and the report
    // file name and the image counts as saved; otherwise nothing changes.
    OpenStatus open(const QString& path);
    // Writes the image to the file name; nothing is written while no name is known. `check` is
    // asked before a file is replaced by one that cannot keep its owner or that splits its names.
    WriteStatus save(const ReplacementCheck& check = {});
    // Writes the image to the path, which then becomes the file name (the report keeps its name).
    WriteStatus saveAs(const QString& path, const ReplacementCheck& check = {});

    // True when the file Save writes is no longer what was last opened or saved: another program
    // wrote, replaced or touched it, or it can no longer be examined or read. A file that is gone
    // counts as unchanged: Save then makes it anew.
    bool changedOnDisk() const;

    DocumentState state() const;
    // Takes up a document as another run left it: its edits count as unsaved against the image
    // it had last opened or saved, and its file is compared with the file as it saw it then.
    void restore(const DocumentState& state);

private:
    void markSaved();
    void takeIdentity();

    QString m_fileName;
    bool m_nameKnown = false;
    QString m_reportFileName;
    Image m_saved{};                         // the image as last opened or saved
    std::optional<FileIdentity> m_identity;  // the file as last opened or saved
};

// True when the path ends in ".orv" exactly (case-sensitive).
bool hasOrvExtension(const QString& path);

// One file opened for reading an image. Opening looks at the file only through its open handle,
// so what was checked is what is read, however the path changes meanwhile.
class ImageSource {
public:
    virtual ~ImageSource() = default;
    // The length of the opened file, or -1 when it is no regular file or cannot be examined.
    virtual qint64 length() = 0;
    // Reads up to `max` bytes at the current position: the count read, 0 at the end, -1 on error.
    virtual qint64 read(char* data, qint64 max) = 0;
};

// Opens the file at `path` for reading without waiting (a FIFO does not block), or nothing when it
// cannot be opened.
std::unique_ptr<ImageSource> openImageSource(const QString& path);

// Reads a configuration file into a separate buffer; `out` is replaced only when the name, the
// length and the whole read are right. The file is opened once; its length is taken from the open
// handle and the read goes on to the end, so a file that grew or shrank after the length was
// taken is refused like a file of the wrong length.
OpenStatus readImageFile(const QString& path, Image& out);
// The same for a source already opened for `path` (nothing when it could not be opened).
OpenStatus readImageFile(const QString& path, ImageSource* source, Image& out);

// Writes exactly the image as the file's whole content, atomically: an existing file is replaced
// only once all 8192 bytes are safely written.
WriteStatus writeImageFile(const QString& path, const Image& image,
                           const ReplacementCheck& check = {});

// The repeater access flags: the first zone byte of the Base block (bit 0 transmitter enabled,
// bit 1 CTCSS required, bit 2 DTMF access required).
inline std::uint8_t accessFlags(const Image& image) {
    return image[Region::BaseBlock + Region::Rel::Zones];
}

// The pre-save question for the repeater access flags, or nothing when the flags are the usual
// ones (transmitter on, no CTCSS, no DTMF access).
std::optional<QString> closureQuestion(std::uint8_t accessFlags);
