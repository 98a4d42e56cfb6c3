#include "dialogs/CTextMessagesDialog.h"

#include "app/Prompter.h"
#include "level/CWorldEditorDoc.h"
#include "ui/QtText.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gr2 {

CTextMessagesDialog::CTextMessagesDialog(CWorldEditorDoc& doc, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_prompter(prompter), m_edit(doc.properties())
{
    setObjectName(QStringLiteral("CTextMessagesDialog"));
    setWindowTitle(QtText::fromSystem(TextMessagesEdit::kCaption));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_list = new QComboBox(this);
    for (const std::string& name : TextMessagesEdit::messageNames())
        m_list->addItem(QtText::fromSystem(name));
    form->addRow(tr("Message ID:"), m_list);
    m_text = new QPlainTextEdit(this);
    m_text->setPlainText(QtText::fromUtf16(m_edit.text(0)));
    form->addRow(tr("Text"), m_text);
    layout->addLayout(form, 1);
    connect(m_list, &QComboBox::currentIndexChanged, this, &CTextMessagesDialog::choose);

    m_ok = new QPushButton(tr("OK"), this);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CTextMessagesDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CTextMessagesDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    resize(480, 320);
}

void CTextMessagesDialog::choose(int index)
{
    if (index < 0 || size_t(index) == m_edit.current())
        return;
    if (auto refusal = m_edit.choose(size_t(index), QtText::toUtf16(m_text->toPlainText()))) {
        m_prompter.message(*refusal, Prompter::Icon::Exclamation);
        // The text stays on its message so that the user can shorten it.
        const QSignalBlocker still(m_list);
        m_list->setCurrentIndex(int(m_edit.current()));
        m_text->setFocus();
        return;
    }
    m_text->setPlainText(QtText::fromUtf16(m_edit.text(m_edit.current())));
}

void CTextMessagesDialog::accept()
{
    if (auto refusal = m_edit.confirm(QtText::toUtf16(m_text->toPlainText()), m_doc)) {
        m_prompter.message(*refusal, Prompter::Icon::Exclamation);
        m_text->setFocus();
        return;
    }
    QDialog::accept();
}

void CTextMessagesDialog::closeEvent(QCloseEvent* event)
{
    // The close box writes the texts, as OK does.
    event->ignore();
    accept();
}

} // namespace gr2
