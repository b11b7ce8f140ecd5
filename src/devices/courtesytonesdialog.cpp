#include "devices/courtesytonesdialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "devices/devicefields.h"
#include "ui/soundplayer.h"
#include "ui/valuefield.h"
#include "ui/windows.h"

using namespace CourtesyTones;

namespace {
// Grid columns: the row label, the eight fields, the erase button; grid rows: the group
// captions, the units, then the eight courtesy tones.
constexpr int FirstFieldColumn = 1;
constexpr int EraseColumn = FirstFieldColumn + FieldCount;
constexpr int PlayColumn = EraseColumn + 1;
constexpr int FirstToneRow = 2;
constexpr int FieldWidth = 64;

QString unitCaption(int field) {
    return QLatin1String(CourtesyTones::Fields[field].kind == FieldKind::Frequency ? FrequencyUnit
                                                                                   : TimeUnit);
}
}  // namespace

CourtesyTonesDialog::CourtesyTonesDialog(const EditorContext& context, QWidget* parent)
    : EditorDialog(
          context,
          {QStringLiteral("frmCTones"), QLatin1String(Title), QStringLiteral("tones.html")},
          parent) {
    watchFields(DeviceFields::courtesyTones());

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);

    // "Tone 1" over its "Hertz" and "Msec", "Dly 1" over its "Msec", and so on: a group caption
    // spans the run of fields that share it.
    for (int f = 0; f < FieldCount;) {
        int span = 1;
        while (f + span < FieldCount && QLatin1String(CourtesyTones::Fields[f + span].group) ==
                                            QLatin1String(CourtesyTones::Fields[f].group))
            ++span;
        auto* group = columnHeading(QLatin1String(CourtesyTones::Fields[f].group),
                                    QStringLiteral("lblGroup%1").arg(f), this);
        grid->addWidget(group, 0, FirstFieldColumn + f, 1, span);
        f += span;
    }
    for (int f = 0; f < FieldCount; ++f) {
        auto* unit = new QLabel(unitCaption(f), this);
        unit->setObjectName(QStringLiteral("lblUnit%1").arg(f));
        unit->setAlignment(Qt::AlignCenter);
        grid->addWidget(unit, 1, FirstFieldColumn + f);
    }

    // Created row by row, so Tab runs along a courtesy tone to its "E" and then down.
    for (int r = 0; r < RowCount; ++r) {
        const QString number = QString::number(r + 1);
        auto* label = new QLabel(number, this);
        label->setObjectName(QStringLiteral("lblRow%1").arg(r));
        grid->addWidget(label, FirstToneRow + r, 0);
        for (int f = 0; f < FieldCount; ++f) {
            auto* field = new ValueField(this);
            field->setObjectName(QStringLiteral("%1_%2")
                                     .arg(QLatin1String(CourtesyTones::Fields[f].objectName))
                                     .arg(r));
            field->setMinimumWidth(FieldWidth);
            if (f == 0) field->setRowLabel(label);
            field->setAccessibleDescription(
                tr("Courtesy tone %1, %2 %3")
                    .arg(number, QLatin1String(CourtesyTones::Fields[f].group), unitCaption(f)));
            // The keypad works in code digits; the field shows hertz or milliseconds. A cancelled
            // keypad writes nothing.
            connect(field, &ValueField::clicked, this,
                    [this, r, f] { editField(toneField(r, f)); });
            typingOpensKeypad(field, toneField(r, f));
            grid->addWidget(field, FirstToneRow + r, FirstFieldColumn + f);
            m_fields[r][f] = field;
        }
        auto* erase = new QPushButton(QLatin1String(EraseCaption), this);
        erase->setObjectName(QStringLiteral("cmdErase%1").arg(r));
        erase->setFixedWidth(erase->fontMetrics().horizontalAdvance(QStringLiteral("EE")) + 16);
        erase->setAccessibleDescription(tr("Erases courtesy tone %1").arg(number));
        erase->setToolTip(erase->accessibleDescription());
        connect(erase, &QPushButton::clicked, this, [this, r] { eraseRow(r); });
        grid->addWidget(erase, FirstToneRow + r, EraseColumn);
        // The editor's own: the courtesy tone as the controller will sound it.
        auto* play =
            new PlayButton([this, r] { return Sound::pcm(Sound::render(sound(m_image, r))); },
                           Sound::SampleRate, this);
        play->setObjectName(QStringLiteral("cmdPlay%1").arg(r));
        play->setAccessibleDescription(tr("Plays courtesy tone %1").arg(number));
        play->setToolTipText(play->accessibleDescription());
        grid->addWidget(play, FirstToneRow + r, PlayColumn);
        m_play[r] = play;
    }
    grid->setColumnMinimumWidth(EraseColumn - 1, FieldWidth);
    grid->setColumnMinimumWidth(0, 16);

    QVBoxLayout* layout = body();
    layout->addLayout(grid);
    layout->addWidget(new PlayUnavailableLabel(this));
    layout->addSpacing(8);
    QDialog::layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void CourtesyTonesDialog::display() {
    for (int r = 0; r < RowCount; ++r) {
        for (int f = 0; f < FieldCount; ++f)
            m_fields[r][f]->setValue(toneField(r, f).text(m_image));
        // A blank row has nothing to play.
        m_play[r]->setPlayable(Sound::isPlayable(sound(m_image, r)));
    }
}

const Fields::Field& CourtesyTonesDialog::toneField(int row, int field) const {
    return Fields::recordField(fields(), row, field);
}

void CourtesyTonesDialog::eraseRow(int row) {
    erase(m_image, row);
    showStoredValues();
}

void CourtesyTonesDialog::showField(const Fields::Field& field) {
    for (int r = 0; r < RowCount; ++r)
        for (int f = 0; f < FieldCount; ++f)
            if (toneField(r, f).key == field.key) {
                focusOn(m_fields[r][f]);
                return;
            }
}
