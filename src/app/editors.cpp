#include "app/editors.h"

QtPrompts makeProgramPrompts() {
    return QtPrompts(
        [](int, int, const QString&, const QString& initial, int) { return initial; },
        [](const ComposeRequest& request) { return ComposeResult{request.initialText, false, {}}; });
}
