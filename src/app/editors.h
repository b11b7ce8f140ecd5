// The program's keypad and voice composer, bound to the prompts port.
#pragma once

#include "ui/qtprompts.h"

QtPrompts makeProgramPrompts();
