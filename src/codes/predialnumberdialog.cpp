#include "codes/predialnumberdialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "codes/codefields.h"
#include "codes/telephonecodes.h"
#include "ui/prompts.h"
#include "ui/valuefield.h"

namespace {
constexpr char HelpPage[] = "telephone.html";
constexpr int FieldWidth = 260;
}  // namespace

PreDialNumberDialog::PreDialNumberDialog(Image& image, Prompts& prompts, QWidget* parent)
    : EditorDialog(parent), m_image(image), m_prompts(prompts) {
    setObjectName(QStringLiteral("frmPreDial"));
    setWindowTitle(QLatin1String(PreDial::Title));
    setHelpTopic(QLatin1String(HelpPage));
    watchFields(m_image, CodeFields::preDialNumber());

    m_number = new ValueField(this);
    m_number->setObjectName(QStringLiteral("lblNum"));
    m_number->setMinimumWidth(FieldWidth);
    // The window title is the field's only caption.
    m_number->setAccessibleDescription(QLatin1String(PreDial::Title));
    connect(m_number, &ValueField::clicked, this, &PreDialNumberDialog::editNumber);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_number);
    layout->addSpacing(8);
    connect(addOkRow(layout), &QPushButton::clicked, this, &QDialog::close);

    display();
}

void PreDialNumberDialog::display() { m_number->setValue(PreDial::text(m_image)); }

void PreDialNumberDialog::editNumber() {
    // A cancelled keypad writes nothing: a stored number the field cannot show stays as it is.
    if (const auto entry = m_prompts.enterKeys(PreDial::request(m_number->value())))
        PreDial::store(m_image, *entry);
    showStoredValues();
}
