#include "dialogs/CComputerPlayerSheet.h"

#include "app/Prompter.h"
#include "ui/FormWidgets.h"
#include "ui/QtText.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace gr2 {

CComputerPlayerSheet::CComputerPlayerSheet(ComputerPlayerSheet& sheet, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_sheet(sheet), m_prompter(prompter)
{
    setObjectName(QStringLiteral("CComputerPlayerSheet"));
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    for (size_t p = 0; p < kComputerPlayerPageCount; ++p) {
        const auto page = ComputerPlayerPage(p);
        QWidget* body = nullptr;
        if (page == ComputerPlayerPage::General) {
            body = makeGeneralPage();
        } else {
            body = new QWidget(m_tabs);
            m_controls.push_back(new FormWidgets(m_sheet.state(page), body));
        }
        m_tabs->addTab(body, QtText::fromSystem(std::string(computerPlayerPageTitle(page))));
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, &CComputerPlayerSheet::pageChosen);
    layout->addWidget(m_tabs, 1);

    m_ok = new QPushButton(tr("OK"), this);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_setDefaults = new QPushButton(tr("Set Defaults"), this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CComputerPlayerSheet::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CComputerPlayerSheet::reject);
    connect(m_setDefaults, &QPushButton::clicked, this, [this] {
        m_sheet.setDefaults();
        for (FormWidgets* page : m_controls)
            page->showState();
        refresh();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_setDefaults);
    layout->addLayout(buttons);
    refresh();
}

QWidget* CComputerPlayerSheet::makeGeneralPage()
{
    auto* page = new QWidget(m_tabs);
    auto* layout = new QVBoxLayout(page);
    auto* typeArea = new QWidget(page);
    m_controls.push_back(new FormWidgets(m_sheet.state(ComputerPlayerPage::General), typeArea));
    layout->addWidget(typeArea);
    // The personality's name is in the caption, and "Set Defaults" follows its change.
    if (auto* type = qobject_cast<QComboBox*>(m_controls.back()->control(kPersonalityRow)))
        connect(type, &QComboBox::activated, this, [this] { refresh(); });

    auto* label = new QLabel(tr("Build Order:"), page);
    layout->addWidget(label);
    auto* orderRow = new QHBoxLayout;
    m_buildOrder = new QListWidget(page);
    label->setBuddy(m_buildOrder);
    orderRow->addWidget(m_buildOrder, 1);
    auto* moves = new QVBoxLayout;
    const char* texts[] = {"T&op", "&Up", "&Down", "&Bottom"};
    for (size_t m = 0; m < m_moves.size(); ++m) {
        m_moves[m] = new QPushButton(tr(texts[m]), page);
        m_moves[m]->setAutoDefault(false);
        connect(m_moves[m], &QPushButton::clicked, this, [this, m] {
            m_sheet.move(BuildOrderMove(m));
            fillBuildOrder();
        });
        moves->addWidget(m_moves[m]);
    }
    moves->addStretch(1);
    orderRow->addLayout(moves);
    layout->addLayout(orderRow, 1);
    connect(m_buildOrder, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0)
            return;
        m_sheet.selectEntry(size_t(row));
        for (size_t m = 0; m < m_moves.size(); ++m)
            m_moves[m]->setEnabled(m_sheet.canMove(BuildOrderMove(m)));
    });
    fillBuildOrder();
    return page;
}

void CComputerPlayerSheet::fillBuildOrder()
{
    const QSignalBlocker block(m_buildOrder);
    m_buildOrder->clear();
    for (size_t i = 0; i < m_sheet.buildOrder().size(); ++i)
        m_buildOrder->addItem(QtText::fromField(m_sheet.entryName(i)));
    m_buildOrder->setCurrentRow(int(m_sheet.selectedEntry()));
    for (size_t m = 0; m < m_moves.size(); ++m)
        m_moves[m]->setEnabled(m_sheet.canMove(BuildOrderMove(m)));
}

void CComputerPlayerSheet::refresh()
{
    setWindowTitle(QtText::fromField(m_sheet.caption()));
    m_setDefaults->setEnabled(m_sheet.canSetDefaults());
}

void CComputerPlayerSheet::pageChosen(int index)
{
    const auto left = ComputerPlayerPage(m_current);
    if (auto error = m_sheet.validate(left)) {
        showRefusal(left, *error);
        return;
    }
    m_current = index;
    const auto page = ComputerPlayerPage(index);
    if (!m_sheet.isShown(page)) {
        m_sheet.show(page);
        controls(page)->showState();
    }
}

void CComputerPlayerSheet::showRefusal(ComputerPlayerPage page, const FormError& error)
{
    m_prompter.message(error.message, Prompter::Icon::Exclamation);
    {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(int(page));
    }
    m_current = int(page);
    controls(page)->focusRow(error.row);
}

void CComputerPlayerSheet::accept()
{
    if (auto refusal = m_sheet.confirm()) {
        showRefusal(refusal->page, refusal->error);
        return;
    }
    QDialog::accept();
}

} // namespace gr2
