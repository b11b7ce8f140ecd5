// Binds the program's keypad and voice composer dialogs to its prompts port.
#pragma once

class QtPrompts;

void bindProgramDialogs(QtPrompts& prompts);
