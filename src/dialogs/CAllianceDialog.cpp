#include "dialogs/CAllianceDialog.h"

#include "ui/QtText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace gr2 {

CAllianceDialog::CAllianceDialog(AllianceEditor& editor, QWidget* parent) : QDialog(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("CAllianceDialog"));
    setWindowTitle(QtText::fromSystem(AllianceEditor::kCaption));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    m_first = new QComboBox(this);
    m_second = new QComboBox(this);
    for (const std::string& name : m_editor.playerNames()) {
        m_first->addItem(QtText::fromField(name));
        m_second->addItem(QtText::fromField(name));
    }
    m_firstList = new QListWidget(this);
    m_secondList = new QListWidget(this);
    grid->addWidget(m_first, 0, 0);
    grid->addWidget(m_second, 0, 1);
    grid->addWidget(m_firstList, 1, 0);
    grid->addWidget(m_secondList, 1, 1);
    layout->addLayout(grid, 1);

    m_create = new QPushButton(tr("&Create Alliance"), this);
    m_remove = new QPushButton(tr("&Remove Alliance"), this);
    for (QPushButton* b : {m_create, m_remove})
        b->setAutoDefault(false);
    auto* actions = new QHBoxLayout;
    actions->addWidget(m_create);
    actions->addWidget(m_remove);
    actions->addStretch(1);
    layout->addLayout(actions);

    auto* ok = new QPushButton(tr("OK"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    for (QComboBox* box : {m_first, m_second})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            // The drop-downs name the pair now, not a chosen row.
            const QSignalBlocker blockFirst(m_firstList);
            const QSignalBlocker blockSecond(m_secondList);
            m_firstList->setCurrentRow(-1);
            m_secondList->setCurrentRow(-1);
            applyButtonRule();
        });
    connect(m_create, &QPushButton::clicked, this, [this] {
        m_editor.create(size_t(m_first->currentIndex()), size_t(m_second->currentIndex()));
        fillLists();
        applyButtonRule();
    });
    connect(m_remove, &QPushButton::clicked, this, [this] {
        const int row = m_firstList->currentRow();
        if (row >= 0 && m_editor.namesMissingPlayer(size_t(row)))
            m_editor.removeRow(size_t(row));
        else
            m_editor.remove(size_t(m_first->currentIndex()), size_t(m_second->currentIndex()));
        fillLists();
        applyButtonRule();
    });
    // A row chosen in either list is chosen in the other too, and its players in the drop-downs;
    // a row naming a missing player is chosen for "&Remove Alliance" alone.
    auto rowChosen = [this](int row) {
        {
            const QSignalBlocker blockFirst(m_firstList);
            const QSignalBlocker blockSecond(m_secondList);
            m_firstList->setCurrentRow(row);
            m_secondList->setCurrentRow(row);
        }
        if (row >= 0)
            if (const auto places = m_editor.placesOfRow(size_t(row))) {
                const QSignalBlocker blockFirst(m_first);
                const QSignalBlocker blockSecond(m_second);
                m_first->setCurrentIndex(int(places->first));
                m_second->setCurrentIndex(int(places->second));
            }
        applyButtonRule();
    };
    connect(m_firstList, &QListWidget::currentRowChanged, this, rowChosen);
    connect(m_secondList, &QListWidget::currentRowChanged, this, rowChosen);

    fillLists();
    applyButtonRule();
}

void CAllianceDialog::fillLists()
{
    const QSignalBlocker blockFirst(m_firstList);
    const QSignalBlocker blockSecond(m_secondList);
    m_firstList->clear();
    m_secondList->clear();
    for (const auto& [first, second] : m_editor.rows()) {
        m_firstList->addItem(QtText::fromField(first));
        m_secondList->addItem(QtText::fromField(second));
    }
}

void CAllianceDialog::applyButtonRule()
{
    const size_t a = size_t(std::max(0, m_first->currentIndex()));
    const size_t b = size_t(std::max(0, m_second->currentIndex()));
    const int row = m_firstList->currentRow();
    const bool missing = row >= 0 && m_editor.namesMissingPlayer(size_t(row));
    m_create->setEnabled(!missing && m_editor.canCreate(a, b));
    m_remove->setEnabled(missing || m_editor.canRemove(a, b));
}

} // namespace gr2
