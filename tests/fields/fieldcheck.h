// Checks every row of a field table the same way: its text is what orvtool's dump showed for its
// key when the kept outputs were recorded, and a store writes only inside the bytes it names.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <random>
#include <vector>

#include "formats/fieldtable.h"
#include "imagecheck.h"

// Zero, erased and patterned memory, then random images.
inline std::vector<Image> sampleImages() {
    std::vector<Image> images = {zeroImage(), patternedImage()};
    Image erased;
    erased.fill(0xFF);
    images.push_back(erased);
    std::mt19937 random(20261207);
    for (int n = 0; n < 8; ++n) {
        Image image;
        // Small values in half of them, so counts, digits and word numbers lie in range.
        const int top = n % 2 ? 256 : 13;
        for (std::uint8_t& b : image) b = static_cast<std::uint8_t>(random() % top);
        images.push_back(image);
    }
    return images;
}

// The answers every store is tried with besides the one standing for the shown text.
inline const QStringList& trialAnswers() {
    static const QStringList answers = {
        "",    "0",       "1",         "7",  "12",  "99", "300", "1800", "2048",          "ABC*#",
        "1,2", "5551212", "123456789", "on", "off", "x",  " 05", "0999", "12345678901234"};
    return answers;
}

// The bytes inside `ranges`, as a mask over the image.
inline std::vector<bool> maskOf(const Fields::ByteRanges& ranges) {
    std::vector<bool> inside(ImageSize, false);
    for (const Fields::ByteRange& r : ranges)
        for (int i = std::max(0, r.first); i < r.first + r.length && i < ImageSize; ++i)
            inside[i] = true;
    return inside;
}

// Every byte outside the mask of `after` equals `before`.
inline bool onlyInside(const Image& before, const Image& after, const std::vector<bool>& inside) {
    for (int i = 0; i < ImageSize; ++i)
        if (!inside[i] && before[i] != after[i]) return false;
    return true;
}

// A dump recorded by orvtool for an image kept beside it, as key -> shown text.
struct Recording {
    Image image;
    bool fourMemorySaves = true;
    QHash<QString, QString> values;
};

inline std::vector<Recording> recordings() {
    const auto read = [](const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    };
    const QDir golden(QStringLiteral(GOLDEN_DIR));
    const QDir seeds(QStringLiteral(SEED_DIR));
    const struct {
        QString image;
        const char* dump;
        bool four;
    } kept[] = {{seeds.filePath("patterned.orv"), "patterned.dump4", true},
                {seeds.filePath("erased.orv"), "erased.dump3", false},
                {golden.filePath("gen001.orv"), "gen001.dump4", true},
                {golden.filePath("gen003.orv"), "gen003.dump3", false}};
    std::vector<Recording> list;
    for (const auto& k : kept) {
        Recording r;
        const QByteArray bytes = read(k.image);
        if (bytes.size() == ImageSize) std::copy(bytes.begin(), bytes.end(), r.image.begin());
        r.fourMemorySaves = k.four;
        for (const QString& line :
             QString::fromUtf8(read(golden.filePath(QLatin1String(k.dump)))).split('\n')) {
            const qsizetype at = line.indexOf(QStringLiteral(" = "));
            if (at > 0) r.values.insert(line.left(at), line.mid(at + 3));
        }
        list.push_back(std::move(r));
    }
    return list;
}

// Every row of the table shows on the kept images exactly what orvtool's dump showed for its key
// when the outputs were recorded, and its bytes lie in the image.
inline void expectTableMatchesDump(const Fields::FieldList& table, bool fourMemorySaves = true) {
    static const std::vector<Recording> kept = recordings();
    for (const Fields::Field& field : table) {
        int compared = 0;
        for (const Recording& r : kept) {
            if (r.fourMemorySaves != fourMemorySaves || !r.values.contains(field.key)) continue;
            EXPECT_EQ(field.value(r.image), r.values.value(field.key)) << field.key.toStdString();
            ++compared;
        }
        EXPECT_GT(compared, 0) << "no recording holds " << field.key.toStdString();
        static const std::vector<Image> samples = sampleImages();
        for (const Image& image : samples)
            for (const Fields::ByteRange& range : field.reads(image))
                EXPECT_TRUE(range.first >= 0 && range.length >= 0 &&
                            range.first + range.length <= ImageSize)
                    << field.key.toStdString();
        for (const Fields::ByteRange& range : field.writes)
            EXPECT_TRUE(range.first >= 0 && range.first + range.length <= ImageSize)
                << field.key.toStdString();
    }
}

// Keys are unique; every store writes inside its row's write ranges, whatever the answer; storing
// the answer that stands for the shown text writes the field in a form it shows, so storing what it
// shows then shows that again.
inline void expectStoresStayInside(const Fields::FieldList& table) {
    static const std::vector<Image> samples = sampleImages();
    QSet<QString> keys;
    for (const Fields::Field& field : table) {
        EXPECT_FALSE(keys.contains(field.key)) << "twice: " << field.key.toStdString();
        keys.insert(field.key);
        if (!field.store) continue;
        const std::vector<bool> writes = maskOf(field.writes);
        for (const Image& image : samples) {
            const QString shown = field.text(image);
            Image again = image;
            const Fields::Stored result = field.store(again, field.answerFor(shown));
            EXPECT_TRUE(onlyInside(image, again, writes)) << field.key.toStdString();
            if (result != Fields::Stored::Refused) {
                Image twice = again;
                field.store(twice, field.answerFor(field.text(again)));
                EXPECT_EQ(field.text(twice), field.text(again)) << field.key.toStdString();
            }
            for (const QString& answer : trialAnswers()) {
                Image tried = image;
                field.store(tried, answer);
                EXPECT_TRUE(onlyInside(image, tried, writes))
                    << field.key.toStdString() << " = " << answer.toStdString();
            }
        }
    }
}
