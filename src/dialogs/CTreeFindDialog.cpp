#include "dialogs/CTreeFindDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace gr2 {

CTreeFindDialog::CTreeFindDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Find"));
    setModal(false);

    auto* label = new QLabel(tr("Fi&nd what:"), this);
    m_text = new QLineEdit(this);
    label->setBuddy(m_text);

    auto* direction = new QGroupBox(tr("Direction"), this);
    m_up = new QRadioButton(tr("&Up"), direction);
    m_down = new QRadioButton(tr("&Down"), direction);
    m_down->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);

    m_findNext = new QPushButton(tr("&Find Next"), this);
    m_findNext->setDefault(true);
    m_findNext->setEnabled(false);
    auto* cancel = new QPushButton(tr("Cancel"), this);

    auto* textRow = new QHBoxLayout;
    textRow->addWidget(label);
    textRow->addWidget(m_text, 1);
    auto* left = new QVBoxLayout;
    left->addLayout(textRow);
    left->addWidget(direction);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_findNext);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(m_text, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_findNext->setEnabled(!text.isEmpty()); });
    connect(m_findNext, &QPushButton::clicked, this, &CTreeFindDialog::findNext);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* repeat = new QShortcut(QKeySequence(Qt::Key_F3), this);
    connect(repeat, &QShortcut::activated, this, &CTreeFindDialog::findNext);
}

QString CTreeFindDialog::text() const
{
    return m_text->text();
}

bool CTreeFindDialog::searchesDown() const
{
    return m_down->isChecked();
}

void CTreeFindDialog::findNext()
{
    if (!text().isEmpty())
        emit findNextRequested(text(), searchesDown());
}

} // namespace gr2
