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
inline constexpr char Cancel[] = "Cancel";

inline constexpr char HelpPage[] = "voice.html";

}  // namespace VoiceTexts
