#include "devices/expandedswitchesdialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "devices/devicefields.h"
#include "ui/groupselector.h"
#include "ui/windows.h"

using namespace ExpandedSwitches;

namespace {
// The controller's pictures are 8 x 16 pixels; twice that is easy to hit.
constexpr QSize PictureSize(16, 32);
constexpr int FocusMargin = 4;  // room for the focus frame around the picture
// The grid's rows: the bits caption, the bit numbers, the "ON" legend, then the switch rows.
constexpr int FirstSwitchRow = 3;
}  // namespace

SwitchPicture::SwitchPicture(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);  // the frame lights up under the mouse
    setFixedSize(sizeHint());
}

QSize SwitchPicture::sizeHint() const {
    return PictureSize + QSize(2 * FocusMargin, 2 * FocusMargin);
}

QColor SwitchPicture::outlineColour(const QPalette& palette) {
    // Half way between the window and its text: it stands out on a light window and a dark one,
    // so the dark half of a switch never melts into a dark window.
    const QColor window = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    return QColor((window.red() + text.red()) / 2, (window.green() + text.green()) / 2,
                  (window.blue() + text.blue()) / 2);
}

void SwitchPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect body(QPoint(FocusMargin, FocusMargin), PictureSize);
    const int half = body.height() / 2;
    const QRect top(body.left(), body.top(), body.width(), half);
    const QRect bottom(body.left(), body.top() + half, body.width(), body.height() - half);
    // Fixed dark and light, not palette colours, so on and off read the same in every theme.
    const QColor dark(0x20, 0x20, 0x20);
    const QColor light(0xF4, 0xF4, 0xF4);
    painter.fillRect(top, isOn() ? dark : light);
    painter.fillRect(bottom, isOn() ? light : dark);
    painter.setPen(underMouse() ? palette().color(QPalette::Highlight) : outlineColour(palette()));
    painter.drawRect(body.adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

ExpandedSwitchesDialog::ExpandedSwitchesDialog(const EditorContext& context, QWidget* parent)
    : EditorDialog(
          context,
          {QStringLiteral("frmExp"), QLatin1String(Title), QStringLiteral("switches.html")},
          parent) {
    watchFields(DeviceFields::expandedSwitches());

    QStringList options;
    for (const char* option : BankOptions) options.append(QLatin1String(option));
    m_banks = new GroupSelector(QLatin1String(GroupFrame), options, QStringLiteral("fraGroup"),
                                QStringLiteral("opt1_%1"), Qt::Horizontal, this);
    m_banks->setCurrent(0);
    connect(m_banks, &GroupSelector::changed, this, [this] { display(); });

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    grid->addWidget(columnHeading(QLatin1String(BitsCaption), QStringLiteral("lblBits"), this), 0,
                    1, 1, SwitchesPerRow);
    for (int bit = 0; bit < SwitchesPerRow; ++bit)
        grid->addWidget(
            columnHeading(QString::number(bit + 1), QStringLiteral("lblB%1").arg(bit), this), 1,
            1 + bit);
    // As printed on a switch bank: a switch is on with its dark half at the top.
    auto* on = new QLabel(tr("ON"), this);
    on->setObjectName(QStringLiteral("lblOn"));
    QFont small = on->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    small.setBold(true);
    on->setFont(small);
    on->setToolTip(tr("A switch is on when its dark half is at the top."));
    grid->addWidget(on, 2, 1, 1, SwitchesPerRow, Qt::AlignLeft | Qt::AlignBottom);
    for (int row = 0; row < RowsPerBank; ++row) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("lblA%1").arg(row));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("188")));
        grid->addWidget(label, FirstSwitchRow + row, 0);
        m_rowLabels[row] = label;
        for (int bit = 0; bit < SwitchesPerRow; ++bit) {
            auto* picture = new SwitchPicture(this);
            picture->setObjectName(QStringLiteral("Img%1_%2").arg(row + 1).arg(bit));
            connect(picture, &SwitchPicture::clicked, this,
                    [this, row, bit] { toggleSwitch(row, bit); });
            grid->addWidget(picture, FirstSwitchRow + row, 1 + bit, Qt::AlignCenter);
            m_switches[row][bit] = picture;
        }
    }

    QVBoxLayout* layout = body();
    layout->addWidget(m_banks);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addSpacing(8);
    QDialog::layout()->setSizeConstraint(QLayout::SetFixedSize);
}

int ExpandedSwitchesDialog::bank() const { return m_banks->current() == 1 ? 1 : 0; }

void ExpandedSwitchesDialog::showEvent(QShowEvent* event) {
    // A window restored from the task bar (a spontaneous show) keeps the bank it showed.
    if (!event->spontaneous()) m_banks->setCurrent(0);
    EditorDialog::showEvent(event);
}

void ExpandedSwitchesDialog::display() {
    for (int row = 0; row < RowsPerBank; ++row) {
        m_rowLabels[row]->setText(rowLabel(bank(), row));
        showRow(row);
    }
}

void ExpandedSwitchesDialog::showRow(int row) {
    const QString group = rowLabel(bank(), row);
    for (int bit = 0; bit < SwitchesPerRow; ++bit) {
        SwitchPicture* picture = m_switches[row][bit];
        const bool on = switchField(row, bit).text(m_image) == Fields::onOff(true);
        picture->setOn(on);
        picture->setAccessibleName(
            tr("Group %1 switch %2 %3").arg(group).arg(bit + 1).arg(on ? tr("on") : tr("off")));
        picture->setToolTip(picture->accessibleName());
    }
}

const Fields::Field& ExpandedSwitchesDialog::switchField(int row, int bit) const {
    return Fields::recordField(fields(), rowLabel(bank(), row), bit);
}

void ExpandedSwitchesDialog::toggleSwitch(int row, int bit) {
    const Fields::Field& field = switchField(row, bit);
    field.store(m_image, Fields::onOff(field.text(m_image) != Fields::onOff(true)));
    showRow(row);
    rememberShownValues();
}

void ExpandedSwitchesDialog::showField(const Fields::Field& field) {
    for (int bank = 0; bank < 2; ++bank) {
        m_banks->setCurrent(bank);
        for (int row = 0; row < RowsPerBank; ++row)
            for (int bit = 0; bit < SwitchesPerRow; ++bit)
                if (switchField(row, bit).key == field.key) {
                    display();
                    focusOn(m_switches[row][bit]);
                    return;
                }
    }
    m_banks->setCurrent(0);
    display();
}
