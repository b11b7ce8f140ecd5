// What every editor dialog shares: no default button, so Enter never closes it, and reading the
// stored values again only when they changed.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <functional>

#include "core/settings.h"
#include "dialogcheck.h"
#include "imagecheck.h"
#include "scriptedprompts.h"
#include "ui/editordialog.h"
#include "ui/imagewatch.h"
#include "ui/valuefield.h"
#include "ui/windows.h"

namespace {

// What the probes are built on; a base of its own, so it is made before the dialog.
struct ProbeContext {
    Image image{};
    ScriptedPrompts prompts;
    Settings settings;
    EditorContext editorContext() { return {image, prompts, settings}; }
};

// An editor with one of each kind of control Enter may land on, an "OK" row, and a plain button
// that Qt would make an automatic default. Both buttons close the dialog when pressed.
struct EnterProbe : ProbeContext, EditorDialog {
    ValueField* field = new ValueField(this);
    QListWidget* list = new QListWidget(this);
    QComboBox* combo = new QComboBox(this);
    QCheckBox* check = new QCheckBox(QStringLiteral("1.  Transmitter Enable"), this);
    QPushButton* other = new QPushButton(QStringLiteral("Copy"), this);
    QPushButton* ok = okButton();

    EnterProbe() : EditorDialog(editorContext(), {}) {
        list->addItems({QStringLiteral("A"), QStringLiteral("Fire")});
        list->setCurrentRow(1);
        combo->addItems({QStringLiteral("Base"), QStringLiteral("Memory Save #1")});
        for (QWidget* w : std::initializer_list<QWidget*>{field, list, combo, check, other})
            body()->addWidget(w);
        connect(other, &QPushButton::clicked, this, &QDialog::accept);
    }
};

// An editor whose stored values are a byte string the test changes; it counts its reads.
struct ReadProbe : ProbeContext, EditorDialog {
    ReadProbe() : EditorDialog(editorContext(), {}) {}

    QByteArray stored = "0";
    bool snapshots = true;
    int reads = 0;

    void storedByTheDialog() { rememberShownValues(); }

protected:
    void display() override { ++reads; }
    std::optional<QByteArray> shownValues() const override {
        if (!snapshots) return std::nullopt;
        return stored;
    }
};

}  // namespace

TEST(EditorDialog, EnterNeverClosesTheDialogAndEditsTheValueField) {
    EnterProbe dialog;
    showSettled(dialog);
    QSignalSpy edits(dialog.field, &ValueField::clicked);
    const std::pair<const char*, QWidget*> targets[] = {
        {"value field", dialog.field},
        {"list", dialog.list},
        {"combo box", dialog.combo},
        {"check box", dialog.check},
    };
    for (const auto& [what, widget] : targets) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            SCOPED_TRACE(testing::Message()
                         << what << (key == Qt::Key_Return ? " Return" : " Enter"));
            widget->setFocus();
            QTest::keyClick(widget, key);
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(dialog.result(), QDialog::Rejected);
        }
    }
    EXPECT_EQ(edits.count(), 2);
    EXPECT_FALSE(dialog.check->isChecked());
    for (const QPushButton* button : dialog.findChildren<QPushButton*>())
        EXPECT_FALSE(button->isDefault()) << button->text().toStdString();
    // A button reached with Tab is pressed by Enter, as on any desktop.
    for (QPushButton* button : {dialog.other, dialog.ok}) {
        SCOPED_TRACE(button->text().toStdString());
        showSettled(dialog);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        dialog.setResult(QDialog::Rejected);
    }
}

TEST(EditorDialog, ReadsAgainOnActivationOnlyWhenTheStoredValuesChanged) {
    ReadProbe dialog;
    // clang-format off
    const struct { const char* step; std::function<void()> act; int reads; } steps[] = {
        {"first showing reads",          [&] { showSettled(dialog); },                   1},
        {"activation, nothing changed",  [&] { reactivate(dialog); },                    1},
        {"stored values changed",        [&] { dialog.stored = "1"; reactivate(dialog); }, 2},
        {"activation after that",        [&] { reactivate(dialog); },                    2},
        {"the dialog wrote what it shows",
         [&] { dialog.stored = "2"; dialog.storedByTheDialog(); reactivate(dialog); },  2},
        {"closed and opened again",      [&] { dialog.hide(); showSettled(dialog); },    3},
        {"no snapshot: every activation",
         [&] { dialog.snapshots = false; reactivate(dialog); reactivate(dialog); },     5},
    };
    // clang-format on
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        s.act();
        EXPECT_EQ(dialog.reads, s.reads);
    }
}

TEST(EditorDialog, WatchedFieldsDecideWhenActivationReadsAgain) {
    // A dialog showing one field read from byte 5 and, by its count byte, the bytes after it.
    struct Watching : ProbeContext, EditorDialog {
        int displays = 0;
        Watching() : EditorDialog(editorContext(), {}) {
            Fields::Field field;
            field.text = [](const Image& i) { return QString::number(i[5]); };
            field.reads = [](const Image& i) { return Fields::ByteRanges{{5, 1 + i[5]}}; };
            watchFields({field});
        }
        void display() override { ++displays; }
    } dialog;
    dialog.show();
    const int shown = dialog.displays;
    // clang-format off
    const struct { int offset; std::uint8_t value; bool readsAgain; } cases[] = {
        {7, 9, false},  // not read while the count is 0
        {5, 2, true},   // the count: bytes 6 and 7 are read from now on
        {7, 4, true},
        {8, 4, false},
    };
    // clang-format on
    int expected = shown;
    for (const auto& c : cases) {
        dialog.image[c.offset] = c.value;
        reactivate(dialog);
        expected += c.readsAgain ? 1 : 0;
        EXPECT_EQ(dialog.displays, expected) << c.offset;
    }
}

TEST(EditorDialog, AHiddenDialogGivesBackItsWindowAndComesBackInPlaceWithItsState) {
    struct KeptProbe : ProbeContext, EditorDialog {
        ValueField* field = new ValueField(this);
        KeptProbe() : EditorDialog(editorContext(), {}) {
            body()->addWidget(field);
            field->setValue(QStringLiteral("05:00"));
        }
    } dialog;
    dialog.show();
    dialog.move(40, 60);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QRect placed = dialog.geometry();
    // Hidden and shown again before the event loop comes round: nothing is given back.
    dialog.hide();
    dialog.show();
    QCoreApplication::processEvents();
    EXPECT_NE(dialog.windowHandle(), nullptr);
    // Hidden for good: its native window (and with it the drawing buffer) goes.
    dialog.hide();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.windowHandle(), nullptr);
    EXPECT_FALSE(dialog.testAttribute(Qt::WA_WState_Created));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.geometry(), placed);
    EXPECT_EQ(dialog.field->value(), QStringLiteral("05:00"));
}

TEST(Windows, AWindowLargerThanTheScreenIsMadeToFitOrKeepsItsCornerOnIt) {
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget resizable;
    resizable.resize(free.width() * 2, free.height() * 2);
    centreOnScreen(&resizable);
    EXPECT_TRUE(free.contains(resizable.frameGeometry()));

    QWidget fixed;
    fixed.setFixedSize(free.width() + 300, free.height() + 200);
    centreOnScreen(&fixed);
    EXPECT_EQ(fixed.size(), QSize(free.width() + 300, free.height() + 200));
    EXPECT_EQ(fixed.frameGeometry().topLeft(), free.topLeft());
}

TEST(ImageWatch, SaysWhichBytesChangedAndNothingWhenNoneDid) {
    Image image = patternedImage();
    ImageWatch watch(image);
    std::vector<Fields::ByteRanges> heard;
    QObject::connect(&watch, &ImageWatch::changed,
                     [&heard](const Fields::ByteRanges& ranges) { heard.push_back(ranges); });
    watch.look();
    EXPECT_TRUE(heard.empty());
    image[100] = 0;
    image[101] = 0;
    image[4000] = 0;
    watch.look();
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0], (Fields::ByteRanges{{100, 2}, {4000, 1}}));
    watch.look();  // already seen
    EXPECT_EQ(heard.size(), 1u);
}

TEST(ImageWatch, EachChangeIsOneStepThatUndoAndRedoWriteBack) {
    Image image = patternedImage();
    const Image opened = image;
    ImageWatch watch(image);
    watch.setNamer([](const Image& before, const Image& after, const Fields::ByteRanges& ranges) {
        EXPECT_NE(before[ranges.front().first], after[ranges.front().first]);
        return QStringLiteral("at %1").arg(ranges.front().first);
    });
    watch.look(QStringLiteral("nothing"));  // no byte changed: no step
    EXPECT_FALSE(watch.canUndo());

    image[10] = 0;
    watch.look(QStringLiteral("Repeater Time-Out"));
    image[20] = 0;
    image[21] = 0;
    watch.look();  // named by the namer
    const Image edited = image;
    EXPECT_EQ(watch.undoName(), QStringLiteral("at 20"));

    std::vector<Fields::ByteRanges> restored;
    QObject::connect(&watch, &ImageWatch::restored,
                     [&restored](const Fields::ByteRanges& ranges) { restored.push_back(ranges); });
    watch.undo();
    EXPECT_EQ(restored.back(), (Fields::ByteRanges{{20, 2}}));
    EXPECT_EQ(watch.undoName(), QStringLiteral("Repeater Time-Out"));
    EXPECT_EQ(watch.redoName(), QStringLiteral("at 20"));
    watch.undo();
    EXPECT_EQ(image, opened);
    EXPECT_FALSE(watch.canUndo());
    watch.undo();  // nothing left: nothing happens
    EXPECT_EQ(image, opened);
    watch.redo();
    watch.redo();
    EXPECT_EQ(image, edited);
    EXPECT_FALSE(watch.canRedo());

    // A new change after an undo ends the redo history; a store not yet looked at becomes a step
    // of its own before an undo.
    watch.undo();
    image[30] = 0;
    EXPECT_TRUE(watch.canRedo());
    watch.undo();  // takes back the byte 30 first
    EXPECT_EQ(image[30], opened[30]);
    EXPECT_EQ(image[20], opened[20]);
    EXPECT_EQ(watch.redoName(), QStringLiteral("at 30"));  // the undone "at 20" went with it

    watch.clearHistory();
    EXPECT_FALSE(watch.canUndo() || watch.canRedo());
}

TEST(ImageWatch, KeepsTheLastThousandSteps) {
    Image image = zeroImage();
    ImageWatch watch(image);
    for (int n = 0; n < ImageWatch::StepLimit + 5; ++n) {
        image[n % ImageSize] = std::uint8_t(1 + n / ImageSize);
        watch.look(QString::number(n));
    }
    int steps = 0;
    while (watch.canUndo()) {
        watch.undo();
        ++steps;
    }
    EXPECT_EQ(steps, ImageWatch::StepLimit);
    // The five oldest stay as they were written.
    for (int n = 0; n < 5; ++n) EXPECT_EQ(image[n], 1) << n;
    EXPECT_EQ(image[5], 0);
}

// The compare window goes beside the main window, never over its menus: right, left, below,
// above, else at the screen's right edge; always on the screen's free area.
TEST(WindowPlace, BesideTheMainWindowWhereTheScreenHasRoom) {
    // clang-format off
    const struct { QRect available, main; QSize size; QPoint place; } cases[] = {
        {{0, 0, 1280, 1024},    {0, 0, 500, 400},      {700, 480}, {500, 0}},     // right
        {{0, 0, 1280, 1024},    {0, 600, 400, 300},    {700, 480}, {400, 544}},   // kept on screen
        {{0, 0, 1280, 1024},    {700, 100, 500, 400},  {700, 480}, {0, 100}},     // left
        {{0, 0, 1024, 768},     {0, 0, 1000, 300},     {700, 400}, {0, 300}},     // below
        {{0, 0, 1024, 768},     {0, 400, 1000, 368},   {700, 400}, {0, 0}},       // above
        {{0, 0, 1280, 1024},    {100, 50, 800, 560},   {700, 480}, {580, 544}},   // no room
        {{0, 0, 1024, 768},     {100, 300, 800, 460},  {900, 700}, {124, 360}},   // menus kept
        {{1280, 0, 1920, 1080}, {1300, 20, 800, 560},  {700, 480}, {2100, 20}},   // second screen
    };
    // clang-format on
    for (const auto& c : cases) {
        const QPoint place = placeBeside(c.main, c.size, c.available, 60);
        EXPECT_EQ(place, c.place) << c.main.x() << "," << c.main.y();
    }
}
