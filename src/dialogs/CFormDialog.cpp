#include "dialogs/CFormDialog.h"

#include "app/Prompter.h"
#include "ui/FormWidgets.h"
#include "ui/QtText.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gr2 {

CFormDialog::CFormDialog(FormSession& session, Prompter& prompter, QWidget* parent, EnterKey enter)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_enter(enter)
{
    setWindowTitle(QtText::fromSystem(session.caption()));
    auto* layout = new QVBoxLayout(this);

    m_header = new QHBoxLayout;
    if (session.hasSelector()) {
        auto* chooser = new QVBoxLayout;
        m_selectorLabel = new QLabel(QtText::fromSystem(session.selectorLabel()), this);
        m_selector = new QComboBox(this);
        m_selector->setMaxVisibleItems(20);
        m_selector->setMinimumWidth(220);
        for (const std::string& entry : session.entries())
            m_selector->addItem(QtText::fromField(entry));
        m_selector->setCurrentIndex(session.hasTarget() ? int(session.position()) : -1);
        m_selectorLabel->setBuddy(m_selector);
        connect(m_selector, &QComboBox::activated, this, &CFormDialog::selectorChosen);
        if (!session.selectorLabel().empty())
            chooser->addWidget(m_selectorLabel);
        else
            m_selectorLabel->hide();
        chooser->addWidget(m_selector);
        m_header->addLayout(chooser);
    }
    m_header->addStretch(1);
    layout->addLayout(m_header);

    auto* body = new QWidget(this);
    m_rows = new FormWidgets(session.state(), body);
    connect(m_rows, &FormWidgets::subFormRequested, this, &CFormDialog::openSubForm);
    if (!session.hasTarget())
        m_rows->setAllEnabled(false);
    layout->addWidget(body, 1);

    // Enter is handled in keyPressEvent; "OK" is drawn as the default button where Enter
    // presses it.
    m_ok = new QPushButton(tr("OK"), this);
    m_cancel = new QPushButton(tr("Cancel"), this);
    for (QPushButton* button : {m_ok, m_cancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    m_ok->setDefault(m_enter == EnterKey::PressesOk);
    connect(m_ok, &QPushButton::clicked, this, &CFormDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CFormDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
}

void CFormDialog::selectorChosen(int index)
{
    if (index < 0 || size_t(index) == m_session.position())
        return;
    if (auto error = m_session.select(size_t(index))) {
        m_selector->setCurrentIndex(int(m_session.position()));
        showRefusal(*error);
        return;
    }
    m_rows->showState();
    m_selectorLabel->setText(QtText::fromSystem(m_session.selectorLabel()));
    targetShown();
}

void CFormDialog::showRefusal(const FormError& error)
{
    m_prompter.message(error.message, Prompter::Icon::Exclamation);
    // A refused value on a page the user left: show that page again before focusing it.
    if (m_session.state().reveal(error.row))
        m_rows->showState();
    m_rows->focusRow(error.row);
}

void CFormDialog::accept()
{
    if (auto error = m_session.accept()) {
        showRefusal(*error);
        return;
    }
    QDialog::accept();
}

void CFormDialog::reject()
{
    m_session.cancel();
    QDialog::reject();
}

void CFormDialog::closeEvent(QCloseEvent* event)
{
    // The close box stores like "OK"; the dialog closes only once its values are accepted.
    event->ignore();
    accept();
}

void CFormDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter presses the button that has the focus; elsewhere it presses "OK", unless this
        // is an editor of the game's tables.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        else if (m_enter == EnterKey::PressesOk && m_ok->isEnabled())
            m_ok->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CFormDialog::openSubForm(size_t row)
{
    const FormRow& r = m_session.state().row(row);
    if (!r.subForm)
        return;
    // The sub-form edits a copy of the block, which this form stores with its own "OK".
    Bytes block = m_session.state().bytes(row);
    FormDescription<Bytes> description = *r.subForm;
    if (r.subFormCaption)
        description.caption = r.subFormCaption(block);
    SingleFormSession<Bytes> sub(description, block);
    CFormDialog dialog(sub, m_prompter, this, m_enter);
    if (dialog.exec() == QDialog::Accepted) {
        m_session.state().setBytes(row, block);
        m_rows->showState();
    }
}

} // namespace gr2
