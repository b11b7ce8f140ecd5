// The open document: the configuration image, its file name and the copy it is compared with,
// and the file rules for opening and writing it.
#pragma once

#include <QString>
#include <optional>

#include "core/image.h"

struct Document {
    Image image{};
    QString fileName;        // the file Save writes
    bool nameKnown = false;  // Save does nothing until a file was opened or saved under a name
    QString reportFileName;  // shown in report headings; set only by opening
    std::int32_t referenceChecksum = 0;
    Image reference{};  // the image as last opened or saved

    // Modified means "differs from the last opened or saved image", byte for byte; the checksum
    // alone would miss edits that keep the byte sum.
    bool isModified() const { return image != reference; }
    void markSaved();
};

// True when the path ends in ".orv" exactly (case-sensitive).
bool hasOrvExtension(const QString& path);

enum class OpenStatus { Loaded, BadNameOrLength, ReadError };

// Reads a configuration file into a separate buffer; `out` is replaced only when the name, the
// length and the whole read are right.
OpenStatus readImageFile(const QString& path, Image& out);

struct WriteStatus {
    bool ok = false;
    QString reason;  // the file system's explanation when ok is false
};

// Writes exactly the image as the file's whole content, atomically: an existing file is replaced
// only once all 8192 bytes are safely written.
WriteStatus writeImageFile(const QString& path, const Image& image);

// The pre-save question for the repeater access flags in byte 40, or nothing when the flags are
// the usual ones (transmitter on, no CTCSS, no DTMF access).
std::optional<QString> closureQuestion(std::uint8_t accessFlags);
