#include "codes/singlecodedialog.h"

#include <QLabel>
#include <QVBoxLayout>

#include "codes/codefields.h"
#include "codes/telephonecodes.h"
#include "ui/prompts.h"
#include "ui/valuefield.h"

namespace {
constexpr char HelpPage[] = "telephone.html";
constexpr int FieldWidth = 260;
}  // namespace

SingleCode unlockCode() {
    return {{QStringLiteral("frmUnlock"), QLatin1String(Unlock::Title), QLatin1String(HelpPage)},
            CodeFields::unlockNumber().front(),
            QLatin1String(Unlock::Caption),
            QLatin1String(Unlock::EmptyTitle),
            QLatin1String(Unlock::EmptyText)};
}

SingleCode preDialNumber() {
    return {{QStringLiteral("frmPreDial"), QLatin1String(PreDial::Title), QLatin1String(HelpPage)},
            CodeFields::preDialNumber().front(),
            {},
            {},
            {}};
}

SingleCodeDialog::SingleCodeDialog(const EditorContext& context, const SingleCode& code,
                                   QWidget* parent)
    : EditorDialog(context, code.identity, parent), m_code(code) {
    watchFields({m_code.field});

    m_value = new ValueField(this);
    m_value->setObjectName(QStringLiteral("lblNum"));
    m_value->setMinimumWidth(FieldWidth);
    connect(m_value, &ValueField::clicked, this, [this] { editField(m_code.field); });
    typingOpensKeypad(m_value, m_code.field);

    if (!m_code.caption.isEmpty()) {
        auto* caption = new QLabel(m_code.caption, this);
        caption->setObjectName(QStringLiteral("lblCaption"));
        m_value->setRowLabel(caption);
        body()->addWidget(caption);
    } else {
        m_value->setAccessibleDescription(windowTitle());
    }
    body()->addWidget(m_value);
    body()->addSpacing(8);
}

void SingleCodeDialog::display() { m_value->setValue(m_code.field.text(m_image)); }

void SingleCodeDialog::closeForEnd() {
    m_asking = false;
    close();
    m_asking = true;
}

void SingleCodeDialog::done(int result) {
    // A window close and Escape arrive here through reject(), "OK" through accept().
    if (m_asking && !m_code.emptyTitle.isEmpty() && m_value->value().isEmpty() &&
        m_prompts.askOkCancel(Icon::Exclamation, m_code.emptyTitle, m_code.emptyText))
        return;
    EditorDialog::done(result);
}
