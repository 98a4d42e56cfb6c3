#include "dialogs/CPlacementPrompt.h"

#include "mapedit/HeroPartyPicking.h"
#include "ui/QtText.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gr2 {

namespace {

QString joined(const std::vector<std::u16string>& lines)
{
    QStringList texts;
    for (const std::u16string& line : lines)
        texts << QtText::fromUtf16(line);
    return texts.join(QLatin1Char('\n'));
}

} // namespace

CPlacementPrompt::CPlacementPrompt(QWidget* parent) : QDialog(parent, Qt::Tool)
{
    setModal(false);
    m_prompt = new QLabel(this);
    m_left = new QLabel(this);
    m_right = new QLabel(this);
    for (QLabel* column : {m_left, m_right}) {
        column->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        column->setTextInteractionFlags(Qt::NoTextInteraction);
    }
    m_right->hide();
    m_finished = new QPushButton(tr("Finished"), this);
    m_finished->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);

    auto* columns = new QHBoxLayout;
    columns->addWidget(m_left, 1);
    columns->addWidget(m_right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_finished);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_prompt);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    connect(m_finished, &QPushButton::clicked, this, [this] { complete(true); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { complete(false); });
}

void CPlacementPrompt::open(const QString& title, const QString& prompt)
{
    setWindowTitle(title);
    m_prompt->setText(prompt);
    setLines({});
    show();
    raise();
}

void CPlacementPrompt::setLines(const std::vector<std::u16string>& lines)
{
    const PromptColumns columns = promptColumns(lines);
    m_left->setText(joined(columns.left));
    m_right->setText(joined(columns.right));
    m_right->setVisible(!columns.right.empty());
}

void CPlacementPrompt::complete(bool finished)
{
    hide();
    emit completed(finished);
}

void CPlacementPrompt::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (isVisible())
        complete(true);
}

void CPlacementPrompt::reject()
{
    complete(false);
}

} // namespace gr2
