// The whole configuration at a glance: every field of the catalogue placed under its area (in the
// order of the menus, Fields::areas()) and its block, the filter that finds fields by caption,
// value or key, and which fields a change of bytes touches. The main window's overview tree and the
// comparison of two files are drawn from these.
#pragma once

#include <QString>
#include <vector>

#include "core/image.h"
#include "formats/fieldtable.h"

namespace Overview {

// The title of the area (a row of Fields::areas()) as the overview shows it.
QString areaTitle(int area);
// "Base", "Memory Save #1" .. "Memory Save #4".
QString blockTitle(int block);

// True when the field's caption, shown value or key holds `filter`, whatever the case; every
// field holds the empty filter.
bool matches(const Fields::Field& field, const QString& shown, const QString& filter);
// The value as the overview shows it: the field's text, with its unit when it has one and shows
// something ("03:00 Min:Sec").
QString shownValue(const Fields::Field& field, const Image& image);
// Where a field lives inside its area: its block and its record ("Memory Save #2", "Base Zone 1",
// "Macro 3"); empty for a field of neither.
QString placeOf(const Fields::Field& field);
// A record's row in the overview: its name, and its summary where it has one ("Macro 3 (*12)").
QString recordTitle(const Fields::Record& record, const Image& image);
// How Undo names a change from `before` to `after` in `ranges`: the place and caption of the one
// field whose value it changed ("Base Repeater Time-Out", "Macro 3 Command 2"); empty when it
// changed none or more than one.
QString changeName(const Fields::FieldList& fields, const Image& before, const Image& after,
                   const Fields::ByteRanges& ranges);
// A value that shows nothing: empty, or only spaces (an erased entry).
bool isEmptyValue(const QString& shown);
// The fields that show nothing a user would call a value, `shown` giving each one's shown text:
// a blank value (empty or only spaces, an erased entry), every field of a record not in use (a
// macro without a trigger, an erased event), a review that reads "No Command" and the command
// it is shown from.
std::vector<bool> emptyValues(const Fields::FieldList& fields, const std::vector<QString>& shown,
                              const Image& image);

}  // namespace Overview
