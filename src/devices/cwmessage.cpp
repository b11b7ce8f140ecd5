#include "devices/cwmessage.h"

QString CwComposition::text() const {
    QString text;
    for (std::uint8_t code : m_codes) text += cwCharText(code);
    return text;
}

void CwComposition::clear() {
    m_codes.clear();
    m_composing = true;
}

void CwComposition::reset() {
    m_codes.clear();
    m_composing = false;
}

bool CwComposition::pick(int code) {
    if (!m_composing || code < 0 || code >= int(Cw::Characters.size()) ||
        count() >= Cw::MaxCharacters)
        return false;
    m_codes.push_back(static_cast<std::uint8_t>(code));
    return true;
}

void CwComposition::store(Image& image) const {
    if (m_composing) storeCwMessage(image, m_codes);
}
