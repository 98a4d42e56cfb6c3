#include "dialogs/CNewLevelDialog.h"

#include "app/NewLevelOptions.h"
#include "app/Prompter.h"
#include "typedb/CTypeDatabase.h"
#include "ui/QtText.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

namespace gr2 {

namespace {

namespace Opt = NewLevelOptions;

/// A number field whose text may hold any number (so "OK" can refuse it with the level's own
/// message) while its arrows stay within the spin range.
class SideSpinBox : public QSpinBox {
public:
    explicit SideSpinBox(QWidget* parent) : QSpinBox(parent)
    {
        setRange(0, 99999);
        setValue(int(Opt::kDefaultSide));
    }
    void stepBy(int steps) override { setValue(std::clamp(value() + steps, Opt::kSpinMin, Opt::kSpinMax)); }

protected:
    StepEnabled stepEnabled() const override
    {
        StepEnabled enabled = StepNone;
        if (value() > Opt::kSpinMin)
            enabled |= StepDownEnabled;
        if (value() < Opt::kSpinMax)
            enabled |= StepUpEnabled;
        return enabled;
    }
};

} // namespace

CNewLevelDialog::CNewLevelDialog(const CTypeDatabase& types, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_types(types), m_prompter(prompter)
{
    setWindowTitle(tr("Create New GR2 Level"));
    auto* form = new QFormLayout;
    m_name = new QLineEdit(this);
    m_name->setMaxLength(Opt::kMaxNameLength);
    // The level name is stored as 8-bit text: characters beyond Latin-1 cannot be typed.
    m_name->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[\\x{0001}-\\x{00FF}]*")), m_name));
    form->addRow(tr("Level &Name:"), m_name);
    m_width = new SideSpinBox(this);
    form->addRow(tr("&Width:"), m_width);
    m_height = new SideSpinBox(this);
    form->addRow(tr("&Height:"), m_height);
    m_terrain = new QComboBox(this);
    form->addRow(tr("&Base Terrain Type:"), m_terrain);
    m_owner = new QComboBox(this);
    for (const auto& owner : Opt::owners())
        m_owner->addItem(QtText::fromSystem(owner.name), owner.playerId);
    m_owner->setCurrentIndex(int(Opt::kDefaultOwnerIndex));
    m_ownerLabel = new QLabel(tr("Base &Owner:"), this);
    m_ownerLabel->setBuddy(m_owner);
    form->addRow(m_ownerLabel, m_owner);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNewLevelDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CNewLevelDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(m_terrain, &QComboBox::currentIndexChanged, this, &CNewLevelDialog::terrainChosen);
}

void CNewLevelDialog::prepare()
{
    m_name->setText(QtText::fromSystem(Opt::proposedName(++m_counter)));
    const QVariant previous = m_terrain->currentData();
    {
        const QSignalBlocker block(m_terrain);
        m_terrain->clear();
        for (uint8_t id : Opt::baseTerrains(m_types)) {
            const CTerrainType* t = m_types.terrains().findById(id);
            m_terrain->addItem(t ? QtText::fromField(t->name()) : QString(), id);
        }
        int index = previous.isValid() ? m_terrain->findData(previous) : -1;
        if (index < 0)
            index = int(Opt::defaultTerrainIndex(size_t(m_terrain->count())));
        m_terrain->setCurrentIndex(index);
    }
    terrainChosen();
    m_name->setFocus();
    m_name->selectAll();
}

std::optional<NewLevelSettings> CNewLevelDialog::run()
{
    prepare();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return settings();
}

NewLevelSettings CNewLevelDialog::settings() const
{
    NewLevelSettings s;
    // The name becomes the level's title, which is the program's own text like a path.
    s.name = QtText::toSystem(m_name->text());
    s.width = uint32_t(std::max(0, m_width->value()));
    s.height = uint32_t(std::max(0, m_height->value()));
    s.baseTerrain = uint8_t(m_terrain->currentData().toUInt());
    s.baseOwner = uint8_t(m_owner->currentData().toUInt());
    return s;
}

void CNewLevelDialog::terrainChosen()
{
    const bool ownable = Opt::ownerSelectable(m_types, uint8_t(m_terrain->currentData().toUInt()));
    m_owner->setEnabled(ownable);
    m_ownerLabel->setEnabled(ownable);
    if (!ownable)
        m_owner->setCurrentIndex(int(Opt::kDefaultOwnerIndex));
}

void CNewLevelDialog::accept()
{
    for (QSpinBox* side : {m_width, m_height}) {
        side->interpretText();
        if (auto error = Opt::sideError(side->value())) {
            m_prompter.message(*error, Prompter::Icon::Exclamation);
            side->setFocus();
            side->selectAll();
            return;
        }
    }
    if (auto error = Opt::nameError(QtText::toSystem(m_name->text().trimmed()))) {
        m_prompter.message(*error, Prompter::Icon::Exclamation);
        m_name->setFocus();
        return;
    }
    QDialog::accept();
}

void CNewLevelDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
    accept();
}

} // namespace gr2
