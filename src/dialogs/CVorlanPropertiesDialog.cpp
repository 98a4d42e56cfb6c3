#include "dialogs/CVorlanPropertiesDialog.h"

#include "app/Prompter.h"
#include "dialogs/CComputerPlayerSheet.h"
#include "dialogs/CFormDialog.h"
#include "forms/FormSession.h"
#include "forms/RenameVorlanForm.h"
#include "ui/FormWidgets.h"
#include "ui/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace gr2 {

namespace {

Qt::CheckState checkStateOf(AvailabilityBox box)
{
    return box == AvailabilityBox::Checked         ? Qt::Checked
           : box == AvailabilityBox::Indeterminate ? Qt::PartiallyChecked
                                                   : Qt::Unchecked;
}

AvailabilityBox boxOf(Qt::CheckState state)
{
    return state == Qt::Checked            ? AvailabilityBox::Checked
           : state == Qt::PartiallyChecked ? AvailabilityBox::Indeterminate
                                           : AvailabilityBox::Unchecked;
}

void fill(QComboBox* box, const std::vector<std::string>& entries, size_t current)
{
    const QSignalBlocker block(box);
    box->clear();
    for (const std::string& e : entries)
        box->addItem(QtText::fromField(e));
    box->setCurrentIndex(entries.empty() ? -1 : int(current));
}

} // namespace

CVorlanPropertiesDialog::CVorlanPropertiesDialog(VorlanPropertiesSession& session, Prompter& prompter,
                                                 QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter)
{
    setObjectName(QStringLiteral("CVorlanPropertiesDialog"));
    setWindowTitle(QtText::fromSystem(VorlanPropertiesSession::kCaption));
    auto* layout = new QVBoxLayout(this);

    auto* header = new QHBoxLayout;
    auto* playerLabel = new QLabel(tr("Vorlan &Name:"), this);
    m_players = new QComboBox(this);
    playerLabel->setBuddy(m_players);
    m_rename = new QPushButton(tr("R&ename..."), this);
    m_rename->setAutoDefault(false);
    header->addWidget(playerLabel);
    header->addWidget(m_players, 1);
    header->addWidget(m_rename);
    layout->addLayout(header);
    connect(m_players, &QComboBox::activated, this, [this](int index) {
        if (auto refusal = m_session.choosePlayer(size_t(index))) {
            showRefusal(*refusal);
            return;
        }
        showPlayer();
    });
    connect(m_rename, &QPushButton::clicked, this, &CVorlanPropertiesDialog::rename);

    auto* valuesArea = new QWidget(this);
    m_values = new FormWidgets(m_session.values(), valuesArea);
    layout->addWidget(valuesArea);
    if (auto* computer = qobject_cast<QCheckBox*>(m_values->control(VorlanPropertiesSession::kComputerRow)))
        connect(computer, &QCheckBox::clicked, this, [this] { applyComputerRule(); });
    m_computer = new QPushButton(tr("Computer P&layer Properties..."), this);
    m_computer->setAutoDefault(false);
    connect(m_computer, &QPushButton::clicked, this, &CVorlanPropertiesDialog::editComputerPlayer);
    auto* computerRow = new QHBoxLayout;
    computerRow->addWidget(m_computer);
    computerRow->addStretch(1);
    layout->addLayout(computerRow);

    auto* grid = new QGridLayout;
    auto* poolLabel = new QLabel(tr("&Creature Pool:"), this);
    m_pool = new QComboBox(this);
    poolLabel->setBuddy(m_pool);
    auto* countArea = new QWidget(this);
    m_count = new FormWidgets(m_session.poolCount(), countArea);
    grid->addWidget(poolLabel, 0, 0);
    grid->addWidget(m_pool, 0, 1);
    grid->addWidget(countArea, 0, 2, 1, 2);
    connect(m_pool, &QComboBox::activated, this, [this](int index) {
        if (auto refusal = m_session.choosePool(size_t(index))) {
            const QSignalBlocker block(m_pool);
            m_pool->setCurrentIndex(int(m_session.poolIndex()));
            showRefusal(*refusal);
            return;
        }
        m_count->showState();
    });

    for (size_t r = 0; r < VorlanPropertiesSession::kAvailabilityRows; ++r) {
        auto* label = new QLabel(tr(VorlanPropertiesSession::availabilityLabel(r)), this);
        m_types[r] = new QComboBox(this);
        label->setBuddy(m_types[r]);
        m_checks[r] = new QCheckBox(this);
        m_checks[r]->setTristate(true);
        m_applyAll[r] = new QPushButton(tr("Apply To All"), this);
        m_applyAll[r]->setAutoDefault(false);
        const int line = int(r) + 1;
        grid->addWidget(label, line, 0);
        grid->addWidget(m_types[r], line, 1);
        grid->addWidget(m_checks[r], line, 2);
        grid->addWidget(m_applyAll[r], line, 3);
        connect(m_types[r], &QComboBox::activated, this, [this, r](int index) {
            m_session.chooseAvailability(r, size_t(index));
            m_checks[r]->setCheckState(checkStateOf(m_session.availabilityBox(r)));
        });
        connect(m_checks[r], &QCheckBox::stateChanged, this,
                [this, r](int state) { m_session.setAvailabilityBox(r, boxOf(Qt::CheckState(state))); });
        connect(m_applyAll[r], &QPushButton::clicked, this, [this, r] { m_session.applyToAll(r); });
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    m_ok = new QPushButton(tr("OK"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CVorlanPropertiesDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &CVorlanPropertiesDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    fillPlayers();
    showPlayer();
}

void CVorlanPropertiesDialog::fillPlayers()
{
    fill(m_players, m_session.playerNames(), m_session.playerIndex());
}

void CVorlanPropertiesDialog::showPlayer()
{
    m_values->showState();
    fill(m_pool, m_session.poolEntries(), m_session.poolIndex());
    m_count->showState();
    m_count->setAllEnabled(m_pool->count() > 0);
    for (size_t r = 0; r < VorlanPropertiesSession::kAvailabilityRows; ++r) {
        fill(m_types[r], m_session.availabilityTypes(r), m_session.availabilityIndex(r));
        const QSignalBlocker block(m_checks[r]);
        m_checks[r]->setCheckState(checkStateOf(m_session.availabilityBox(r)));
        const bool any = m_types[r]->count() > 0;
        m_types[r]->setEnabled(any);
        m_checks[r]->setEnabled(any);
        m_applyAll[r]->setEnabled(any);
    }
    applyComputerRule();
}

void CVorlanPropertiesDialog::applyComputerRule()
{
    m_computer->setEnabled(m_session.computerPropertiesEnabled());
}

void CVorlanPropertiesDialog::showRefusal(const VorlanPropertiesSession::Refusal& refusal)
{
    m_prompter.message(refusal.message, Prompter::Icon::Exclamation);
    if (refusal.field == VorlanPropertiesSession::Refusal::Field::Gold)
        m_values->focusRow(VorlanPropertiesSession::kGoldRow);
    else
        m_count->focusRow(VorlanPropertiesSession::kCountRow);
}

void CVorlanPropertiesDialog::rename()
{
    CPlayer& player = m_session.player();
    std::string name = player.name();
    SingleFormSession<std::string> session(renameVorlanForm(), name);
    CFormDialog dialog(session, m_prompter, this);
    dialog.setObjectName(QStringLiteral("RenameVorlan"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    renameVorlan(m_session.document(), player, name);
    fillPlayers();
}

void CVorlanPropertiesDialog::editComputerPlayer()
{
    std::unique_ptr<ComputerPlayerSheet> sheet = m_session.computerSheet();
    CComputerPlayerSheet dialog(*sheet, m_prompter, this);
    dialog.exec();
    m_session.computerSheetClosed(*sheet);
    m_values->showState();
}

void CVorlanPropertiesDialog::accept()
{
    if (auto refusal = m_session.commit()) {
        showRefusal(*refusal);
        return;
    }
    QDialog::accept();
}

} // namespace gr2
