#include "formats/commands.h"

#include "formats/vocabulary.h"

namespace {

QString hexNumber(std::uint8_t byte) { return QString::number(byte, 16).toUpper(); }

QString functionText(int opcode, int argument) {
    using namespace Commands;
    const int function = argument >> 4;
    const int state = argument & 0x0F;
    if (function < 1 || function > FunctionsPerGroup) return QLatin1String(InvalidEntry);
    const bool momentary = opcode == MomentaryGroup && function >= FirstMomentaryFunction;
    if (state > (momentary ? 2 : 1)) return QLatin1String(InvalidEntry);
    const char* name = FunctionNames[opcode - FirstFunctionGroup][function - 1];
    if (!name) return QLatin1String(Reserved);
    if (opcode == AtRestIdOpcode && argument == AtRestIdOnArgument)
        return QLatin1String(AtRestIdOn);
    return QLatin1String(name) + QLatin1String(StateWords[state]);
}

QString speakText(int opcode, int argument) {
    const int tens = argument >> 4;
    const int units = argument & 0x0F;
    if (tens > 9 || units > 9) return QString();
    return Vocabulary::wordText((opcode & 0x0F) * 256 + tens * 10 + units);
}

}  // namespace

QString commandByteDigits(std::uint8_t byte) {
    const QString hex = QString::number(byte, 16).toUpper();
    return byte <= 9 ? QLatin1Char('0') + hex : hex;
}

QString commandDigits(std::uint8_t opcode, std::uint8_t argument) {
    return commandByteDigits(opcode) + commandByteDigits(argument);
}

QString commandText(std::uint8_t opcode, std::uint8_t argument) {
    using namespace Commands;
    if (opcode >= FirstFunctionGroup && opcode < FirstFunctionGroup + FunctionGroupCount)
        return functionText(opcode, argument);
    if (opcode >= FirstSpeakOpcode && opcode <= LastSpeakOpcode) return speakText(opcode, argument);
    for (const CommandRow& row : NamedCommands) {
        const bool matches = row.paired ? (opcode & ~1) == row.opcode : opcode == row.opcode;
        if (!matches) continue;
        switch (row.argument) {
            case Argument::Any:
                return QLatin1String(row.text);
            case Argument::Exactly:
                if (argument == row.value) return QLatin1String(row.text);
                continue;  // 0x62 has one row per valid argument
            case Argument::Number:
                return QLatin1String(row.text) + hexNumber(argument) + QLatin1String(row.suffix);
        }
    }
    return QLatin1String(InvalidEntry);
}
