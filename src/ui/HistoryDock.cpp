#include "ui/HistoryDock.h"

#include "level/CWorldEditorDoc.h"
#include "ui/QtText.h"

#include <QListWidget>

namespace gr2 {

HistoryDock::HistoryDock(QWidget* parent) : QDockWidget(tr("History"), parent), m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("History"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    setWidget(m_list);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_filling)
            goTo(row);
    });
}

void HistoryDock::showHistory(CWorldEditorDoc* doc)
{
    const LevelHistory* history = doc ? &doc->history() : nullptr;
    if (doc == m_doc && history && history->revision() == m_shownRevision &&
        history->position() == m_shownPosition)
        return;
    m_doc = doc;
    m_filling = true;
    m_list->clear();
    if (history) {
        m_shownRevision = history->revision();
        m_shownPosition = history->position();
        m_list->addItem(tr("<level as opened>"));
        for (size_t i = 0; i < history->stepCount(); ++i) {
            auto* item = new QListWidgetItem(QtText::fromSystem(history->stepName(i)), m_list);
            if (i >= history->position())
                item->setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
        }
        m_list->setCurrentRow(int(history->position()));
    }
    m_filling = false;
}

void HistoryDock::goTo(int row)
{
    if (!m_doc || row < 0 || m_doc->history().isRecording())
        return;
    m_doc->history().goTo(*m_doc, size_t(row));
    showHistory(m_doc);
    emit historyMoved();
}

} // namespace gr2
