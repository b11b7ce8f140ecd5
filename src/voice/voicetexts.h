// Captions, headings and button texts of the voice composer and the voice messages dialog,
// written once here for the dialogs and their tests.
#pragma once

namespace VoiceTexts {

// The composer.
inline constexpr char ComposerCaption[] = "Voice Synthesizer Editor Dialog Box";
inline constexpr char ComposerHeading[] = "Word Construction For Message ";
inline constexpr char WordsGroup[] = "Voice Words Table";
inline constexpr char BackSpace[] = "Back Space";
inline constexpr char Clear[] = "Clear";
inline constexpr char Ok[] = "OK";
inline constexpr char Cancel[] = "Cancel";

// The voice messages dialog, one caption per block (0 = Base, 1..4 = memory save #1..#4).
inline constexpr const char* MessagesCaption[] = {
    "Base Voice Synthesizer Messages", "Memory Save #1 Voice Messages",
    "Memory Save #2 Voice Messages",   "Memory Save #3 Voice Messages",
    "Memory Save #4 Voice Messages",
};

inline constexpr char HelpPage[] = "voice.html";

}  // namespace VoiceTexts
