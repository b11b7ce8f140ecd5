// The benchmarks whose list comes from the program's own tables (one per area, one per editor),
// registered by main() once the application exists.
#pragma once

// BM_FieldTable/<area>: every field of the area's table read over the full image.
void registerFieldTableBenchmarks();
// BM_DialogShown/<dialog>/<block>: every editor of the editor table, built and shown.
void registerDialogBenchmarks();
