// One voice composition as a field asks for it: how many words it takes, the message number its
// heading shows, and the text it starts from.
#pragma once

#include <QString>
#include <optional>

struct ComposeRequest {
    int wordLimit = 23;  // 23 for a voice message, 8 for an identification
    // Shown in the heading; nothing keeps the number of the last caller that gave one.
    std::optional<int> messageNumber;
    QString initialText;  // the field's current text, trimmed
};
