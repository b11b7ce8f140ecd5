// A CW message being composed in the CW dialog: the picked character codes and whether the user
// started a new message with "Clear" (only then does "OK" write anything).
#pragma once

#include <QString>
#include <vector>

#include "core/image.h"
#include "formats/cwcode.h"

// The CW dialog's own texts.
namespace CwTexts {
inline constexpr char Title[] = "CW Edit Dialog Box";
inline constexpr char Frame[] = "CW Message ";  // the trailing space is the controller's
inline constexpr char Clear[] = "Clear";
inline constexpr char Cancel[] = "Cancel";
}  // namespace CwTexts

class CwComposition {
public:
    bool composing() const { return m_composing; }
    int count() const { return static_cast<int>(m_codes.size()); }
    const std::vector<std::uint8_t>& codes() const { return m_codes; }
    // The composed characters as text.
    QString text() const;

    // "Clear": an empty new message.
    void clear();
    // Back to viewing the stored message; a composition in progress is dropped.
    void reset();
    // Appends a picked character; false (nothing added) when not composing, the code is unknown
    // or the message already holds 31 characters.
    bool pick(int code);
    // "OK": the count and the codes when a new message was composed; otherwise nothing. Bytes
    // behind the last character keep their values.
    void store(Image& image) const;

private:
    bool m_composing = false;
    std::vector<std::uint8_t> m_codes;
};
