#include "codes/unlockcodedialog.h"

#include <QLabel>
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

UnlockCodeDialog::UnlockCodeDialog(Image& image, Prompts& prompts, QWidget* parent)
    : EditorDialog(parent), m_image(image), m_prompts(prompts) {
    setObjectName(QStringLiteral("frmUnlock"));
    setWindowTitle(QLatin1String(Unlock::Title));
    setHelpTopic(QLatin1String(HelpPage));
    watchFields(m_image, CodeFields::unlockNumber());

    auto* caption = new QLabel(QLatin1String(Unlock::Caption), this);
    caption->setObjectName(QStringLiteral("lblCaption"));
    m_code = new ValueField(this);
    m_code->setObjectName(QStringLiteral("lblNum"));
    m_code->setMinimumWidth(FieldWidth);
    m_code->setRowLabel(caption);
    connect(m_code, &ValueField::clicked, this, &UnlockCodeDialog::editCode);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_code);
    layout->addSpacing(8);
    connect(addOkRow(layout), &QPushButton::clicked, this, &QDialog::accept);

    display();
}

void UnlockCodeDialog::display() { m_code->setValue(Unlock::text(m_image)); }

void UnlockCodeDialog::editCode() {
    // A cancelled keypad writes nothing: a stored code the field cannot show stays as it is.
    if (const auto entry = m_prompts.enterKeys(Unlock::request(m_code->value())))
        Unlock::store(m_image, *entry);
    showStoredValues();
}

void UnlockCodeDialog::closeForEnd() {
    m_asking = false;
    close();
    m_asking = true;
}

void UnlockCodeDialog::done(int result) {
    // A window close and Escape arrive here through reject(), "OK" through accept().
    if (m_asking && m_code->value().isEmpty() &&
        m_prompts.askOkCancel(Icon::Exclamation, QLatin1String(Unlock::EmptyTitle),
                              QLatin1String(Unlock::EmptyText)))
        return;
    EditorDialog::done(result);
}
