// The field tables: every value an editor shows is described once, by its area's model, as a row
// of its area's table: a stable key, the caption beside it, the bytes it is read from and those its
// store may write, its shown text, how it is edited and how an answer is stored. The dump, the diff
// and every later view of the whole configuration are loops over these tables.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

#include "core/image.h"
#include "formats/composerequest.h"
#include "formats/fields.h"
#include "formats/keypadrequest.h"

namespace Fields {

// A run of image bytes.
struct ByteRange {
    int first = 0;
    int length = 0;

    bool operator==(const ByteRange&) const = default;
};
using ByteRanges = std::vector<ByteRange>;

// How the user changes a field.
enum class Edit {
    Keypad,       // the keypad entry dialog; the answer is the keypad's text
    Composer,     // the voice message composer
    CwText,       // the CW character list of the CW message dialog
    List,         // a choice from a list
    CheckBox,     // a check box: "on" or "off"
    SwitchBit,    // one switch of a bank: "on" or "off"
    OptionGroup,  // one of a group of option buttons: the option's caption
    Event,        // part of a scheduled event, written whole by the event dialog's "OK"
    Setting,      // a choice kept in the settings store, not in the image
    ReadOnly,     // shown only (a review text)
};

// What storing an answer did.
enum class Stored {
    Written,    // the field's bytes hold the answer
    Unchanged,  // the answer stands for what is stored (an unchanged value it cannot show)
    Refused,    // the answer is no value of the field: nothing written
};

// A repeated record of an area: the key word its fields' keys carry ("03") and its name, fixed
// whatever the values ("Macro 3"); a group of records (a prefix group, "0-19") has a name and no
// key word. A summary, where given, sums up the record's values (a macro's trigger); where the
// record may stand unused (a macro, a scheduled event), inUse says whether it is used.
struct Record {
    QString key;
    QString name;
    std::function<QString(const Image&)> summary;
    std::function<bool(const Image&)> inUse;
};

struct Field {
    QString key;      // stable: "timers.base.repeater-time-out"
    QString caption;  // beside the value in its dialog: "Repeater Time-Out"
    // Where the field stands: its row of the area table (Fields::areas()) and, in an area of
    // blocks, its block (0 the Base, 1..4 the memory saves), both set by the catalogue; the
    // record of its area it belongs to, set by its table.
    int area = -1;
    std::optional<int> block;
    std::optional<Record> record;
    Edit edit = Edit::ReadOnly;
    // The text the dialog shows, leading spaces included.
    std::function<QString(const Image&)> text;
    // The unit the dialog shows beside the value ("Min:Sec"), for views that show values apart
    // from their dialog; never part of the text.
    QString unit;
    // The value as a text of changes writes it, where that differs from the shown text: a word
    // string names a word by its number where its text alone is unclear.
    std::function<QString(const Image&)> written;
    // The bytes the shown text is read from (a stored count may decide how many).
    std::function<ByteRanges(const Image&)> reads;
    // The bytes a store may write; empty for a field that is not stored in the image.
    ByteRanges writes;

    // Keypad fields: the entry the keypad is opened with.
    std::function<KeypadRequest(const Image&)> request;
    // Composer fields: the composition the composer is opened with. Their answer is the words
    // composed, as wordsAnswer spells them.
    std::function<ComposeRequest(const Image&)> compose;
    // The answer that stands for a value as the field shows it or a text of changes writes it
    // ("05:00" and "5:00" -> "300", "00:00" -> the empty entry); nothing for a text not written
    // in the field's form. The text itself where none is given.
    std::function<std::optional<QString>(const QString& written)> answer;
    // How a text of changes writes the value, named when one is refused: "write minutes:seconds
    // from 00:01 to 30:00". Keypad fields without one are named by the keys they take.
    QString form;
    // Stores an answer by the area's own rule; none where the field is written another way.
    std::function<Stored(Image&, const QString& answer)> store;
    // Fields stored only together (the columns of a scheduled event): `together` names their
    // group, and each one's storeTogether takes the values of the whole group in table order and
    // gives the reason when it refuses them.
    QString together;
    std::function<QString(Image&, const QStringList& values)> storeTogether;
    // A field shown only: the key of the field it is shown from, which is set instead.
    QString shownFrom;
    // The message a refused answer gets, and its title.
    QString refusalTitle;
    QString refusal;

    QString answerFor(const QString& shown) const {
        return answer ? answer(shown).value_or(shown) : shown;
    }
    std::optional<QString> writtenAnswer(const QString& written) const {
        return answer ? answer(written) : written;
    }
    // The value as dump prints it and a text of changes gives it.
    QString value(const Image& image) const { return written ? written(image) : text(image); }
};
using FieldList = std::vector<Field>;

// A composer answer: the three-digit numbers of the words composed ("005 210"), in spoken order,
// one space apart; the empty answer is a confirmed empty text.
QString wordsAnswer(const QStringList& words);
// Stores a composer answer in a word-string field: the count and the words. Refused unless the
// answer names at most `limit` words, each by the three-digit number of a word of the vocabulary.
Stored storeWords(Image& image, const WordStringField& field, int limit, const QString& answer);
// The refusal of storeWords, for the field table.
QString wordsRefusal(int limit);
// The words a shown word string reads as: the display texts of vocabulary words one space apart,
// or "{123}" for word number 123 where the texts alone are unclear. An empty list for the empty
// text; a problem when the text reads as no string of words or as more than one.
struct WordsOfText {
    QStringList words;  // three-digit word numbers
    QString problem;
};
WordsOfText wordsOfText(const QString& text);
// The words (three-digit numbers) as a text wordsOfText reads back: each word's display text, one
// space apart, and "{123}" for word 123 where its text is empty or leaves the reading unclear.
QString writtenWords(const QStringList& words);

// Puts the fields from `first` to the end of `list` in the record `key` named `name`.
void inRecord(FieldList& list, std::size_t first, const QString& key, const QString& name,
              const std::function<QString(const Image&)>& summary = {},
              const std::function<bool(const Image&)>& inUse = {});
// A table of records as the grid of its dialog: the `column`-th field, in table order, of the
// `row`-th record or of the record with key word `record`. The table's records give a dialog its
// rows, so no dialog repeats the order in which the table was made.
const Field& recordField(const FieldList& list, int row, int column);
const Field& recordField(const FieldList& list, const QString& record, int column);

// The same bytes whatever the image holds.
inline std::function<ByteRanges(const Image&)> fixedRanges(ByteRanges ranges) {
    return [ranges = std::move(ranges)](const Image&) { return ranges; };
}

// True when the two runs share a byte.
constexpr bool overlaps(const ByteRange& a, const ByteRange& b) {
    return a.first < b.first + b.length && b.first < a.first + a.length;
}
// True when a run of `runs` shares a byte with a run of `others`.
bool overlaps(const ByteRanges& runs, const ByteRanges& others);
// The runs of bytes in which two images differ.
ByteRanges differingRanges(const Image& before, const Image& after);
// True when the field is read from a byte of `changed` (its bytes as `image` holds them).
bool readsFrom(const Field& field, const Image& image, const ByteRanges& changed);

// The block names of the keys: "base", "mem1" .. "mem4".
QString blockKey(int block);
// Two digits, so the numbered records of an area keep their order in a sorted listing.
QString twoDigits(int n);
// "on" or "off", as check boxes and switch bits read.
QString onOff(bool on);
// The answer "on" or "off" as a bit; nothing for any other text.
std::optional<bool> onOffAnswer(const QString& answer);

}  // namespace Fields
