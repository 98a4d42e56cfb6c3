#pragma once
// A walk through every dialog of the shown editor window, each reached the way a designer reaches
// it: the menu bar's commands that open a dialog ("..."), every dialog entry of the script tree's
// context menus, a double click on the special rooms of the map, and inside a shown dialog every
// button that opens a further dialog ("Light...", "Computer Player Properties...", on every tab).
// Each dialog is timed from the user's action to its first painted frame, then closed with Cancel
// or with OK. Header-only and free of the test framework: the window tests and the dialog bench
// share it.

#include "level/CPlayer.h"
#include "level/CWorldEditorDoc.h"
#include "level/RoomFootprints.h"
#include "script/ScriptTreeItem.h"
#include "script/ScriptTreeModel.h"
#include "ui/CChildFrame.h"
#include "ui/CDockControlBar.h"
#include "ui/CMainFrame.h"
#include "ui/CTriggerTree.h"
#include "ui/CWorldEditorApp.h"
#include "ui/CWorldEditorView.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTest>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace gr2::test {

enum class DialogClose { Cancel, Ok };

/// A menu text as the user reads it: no mnemonic marks, line breaks as spaces.
inline QString plainText(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.simplified();
}

/// Sees the first paint of a dialog window that was not on screen when it started watching.
class FirstDialogPaint : public QObject {
public:
    FirstDialogPaint(std::function<void(QDialog&)> painted) : m_painted(std::move(painted))
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                m_before.insert(w);
        qApp->installEventFilter(this);
    }
    ~FirstDialogPaint() override { qApp->removeEventFilter(this); }
    bool fired() const { return m_fired; }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_fired || event->type() != QEvent::Paint)
            return false;
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (!dialog || !dialog->isWindow() || m_before.contains(dialog))
            return false;
        m_fired = true;
        // The rest of the frame (the dialog's children) is painted in the same pass; what the
        // dialog is handed to runs once that pass is done.
        QPointer<QDialog> shown(dialog);
        QMetaObject::invokeMethod(
            this,
            [this, shown] {
                if (shown)
                    m_painted(*shown);
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    std::function<void(QDialog&)> m_painted;
    QSet<QWidget*> m_before;
    bool m_fired = false;
};

class DialogTour {
public:
    using Clock = std::chrono::steady_clock;
    /// Told of each dialog once it is painted: its name and the seconds from the user's action.
    using Seen = std::function<void(const QString& name, double seconds, QDialog& dialog)>;
    /// Told when a top-level visit (with its nested dialogs) is over.
    using Done = std::function<void(const QString& name)>;

    struct Options {
        DialogClose close = DialogClose::Cancel;
        /// Every thing, trigger and action gets its property dialog (otherwise the first of each
        /// kind does).
        bool everyItem = false;
    };

    DialogTour(CWorldEditorApp& app, CChildFrame& level, Options options, Seen seen, Done done = {})
        : m_app(app), m_level(level), m_options(options), m_seen(std::move(seen)), m_done(std::move(done))
    {
    }

    /// Dialogs the tour meant to open that never showed.
    const QStringList& missed() const { return m_missed; }
    /// Dialogs whose OK was refused (they stayed open and were cancelled).
    const QStringList& refused() const { return m_refused; }
    /// Menu commands that open a dialog but are greyed in the window's state (Brush Rotate
    /// without a brush).
    const QStringList& greyed() const { return m_greyed; }
    /// Every dialog shown, in order.
    const QStringList& shown() const { return m_shown; }

    void run()
    {
        visitMenuBar();
        visitTree();
        visitSpecialRooms();
    }

    /// Opens one dialog with `open` (a modal one returns once it is closed) and closes it once
    /// painted, after opening the dialogs its buttons lead to. `close` overrides the tour's way
    /// to close it.
    void visit(const QString& name, const std::function<void()>& open, std::optional<DialogClose> close = {})
    {
        const DialogClose how = close.value_or(m_options.close);
        bool handled = false;
        const auto start = Clock::now();
        FirstDialogPaint watch([&](QDialog& dialog) {
            const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
            handled = true;
            m_shown << name;
            if (m_seen)
                m_seen(name, seconds, dialog);
            visitButtons(name, dialog, how);
            closeDialog(name, dialog, how);
        });
        open();
        // A modeless dialog (Find) is only on its way when `open` returns.
        QElapsedTimer waited;
        waited.start();
        while (!handled && waited.elapsed() < 2000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        if (!handled)
            m_missed << name;
    }

private:
    CMainFrame& frame() const { return *m_app.mainFrame(); }
    CTriggerTree& tree() const { return *frame().scriptTreeBar()->tree(); }

    void finished(const QString& name)
    {
        if (m_done)
            m_done(name);
    }

    /// The menu bar's commands that open a dialog on the level or the game data. The file
    /// commands hand over to the system's file dialogs, which are not the editor's, and Print's
    /// OK prints.
    void visitMenuBar()
    {
        static const QStringList notOurs = {"Open...", "Save As...", "Print...", "Export As JSON...",
                                            "Import From JSON..."};
        frame().updateCommandUI();
        for (QAction* top : frame().menuBar()->actions()) {
            QMenu* menu = top->menu();
            if (!menu)
                continue;
            for (QAction* a : menu->actions()) {
                const QString text = plainText(a->text());
                if (a->isSeparator() || a->menu() || !text.endsWith(QStringLiteral("...")) ||
                    notOurs.contains(text))
                    continue;
                if (!a->isEnabled()) {
                    m_greyed << text;
                    continue;
                }
                // Rotating is the dialog's whole purpose: its OK always changes the map.
                const bool operation = text.contains(QStringLiteral("Rotate"));
                visit(
                    text, [a] { a->trigger(); },
                    operation ? std::optional(DialogClose::Cancel) : std::nullopt);
                finished(text);
            }
        }
        // "New" asks for the new level's settings; its OK would make a level, so it is cancelled.
        QAction* newLevel = frame().action(EditorCommand::New);
        visit(
            plainText(newLevel->text()), [newLevel] { newLevel->trigger(); }, DialogClose::Cancel);
        finished(plainText(newLevel->text()));
    }

    /// Entries of the tree's menus that start a map mode or a file dialog, not a dialog.
    static bool opensNoDialog(const QString& text)
    {
        static const QStringList entries = {"Create New Hero Party...",       "Create New Action Point...",
                                            "Create New Effect Generator...", "Add Members...",
                                            "Define Build Area...",           "Export To File...",
                                            "Add Creature Action..."};
        return entries.contains(text);
    }
    /// Entries that make something new or run an operation: a confirmed one changes the level by
    /// design, so it is cancelled.
    static bool makesSomething(const QString& text)
    {
        static const QStringList entries = {"Add Trigger...", "Add Action...", "Find...",
                                            "Reset All Creature Properties..."};
        return entries.contains(text);
    }
    /// The property dialogs of one item, which the every-item tour opens on each item.
    static bool isPropertyDialog(const QString& text)
    {
        return text.startsWith(QStringLiteral("Edit ")) && text.endsWith(QStringLiteral(" Properties..."));
    }

    void visitTree()
    {
        ScriptTreeModel* model = tree().model();
        if (!model) {
            m_missed << QStringLiteral("script tree");
            return;
        }
        // Items are found by their place in tree order, again for every dialog: a confirmed
        // dialog may rebuild the items it shows.
        std::set<TreeItemKind> kindsSeen;
        std::set<QString> onceSeen;
        for (size_t i = 0;; ++i) {
            ScriptTreeItem* item = itemAtTreeIndex(*model, i);
            if (!item)
                break;
            const bool firstOfKind = kindsSeen.insert(item->kind()).second;
            const std::vector<QString> entries = dialogEntries(*item);
            for (const QString& entry : entries) {
                const bool perItem = isPropertyDialog(entry);
                if (perItem ? !(m_options.everyItem || firstOfKind) : !onceSeen.insert(entry).second)
                    continue;
                ScriptTreeItem* target = itemAtTreeIndex(*model, i);
                if (!target)
                    break;
                const QString name = entry + QStringLiteral(" [") +
                                     QString::fromStdU16String(target->text()) + QStringLiteral("]");
                // The right click (selecting the item, building its menu) comes before the choice
                // that opens the dialog, and is not part of the dialog's time.
                QAction* choice = nullptr;
                std::unique_ptr<QMenu> menu = rightClick(*target, entry, choice);
                visit(
                    name,
                    [choice] {
                        if (choice)
                            choice->trigger();
                    },
                    makesSomething(entry) ? std::optional(DialogClose::Cancel) : std::nullopt);
                finished(name);
            }
        }
    }

    /// The item at `index` in depth-first order.
    static ScriptTreeItem* itemAtTreeIndex(const ScriptTreeModel& model, size_t index)
    {
        std::vector<ScriptTreeItem*> pending{&model.root()};
        size_t at = 0;
        while (!pending.empty()) {
            ScriptTreeItem* item = pending.back();
            pending.pop_back();
            if (at++ == index)
                return item;
            for (auto it = item->children().rbegin(); it != item->children().rend(); ++it)
                pending.push_back(it->get());
        }
        return nullptr;
    }

    /// The enabled entries of an item's menu that open a dialog.
    std::vector<QString> dialogEntries(ScriptTreeItem& item)
    {
        tree().model()->select(&item);
        std::unique_ptr<QMenu> menu(tree().contextMenuFor(&item));
        std::vector<QString> entries;
        if (!menu)
            return entries;
        for (QAction* a : menu->actions()) {
            const QString text = plainText(a->text());
            if (a->isEnabled() && text.endsWith(QStringLiteral("...")) && !opensNoDialog(text))
                entries.push_back(text);
        }
        return entries;
    }

    /// A right click on the item: it becomes the current one and its menu offers `entry` as
    /// `choice` (none when the menu does not offer it enabled).
    std::unique_ptr<QMenu> rightClick(ScriptTreeItem& item, const QString& entry, QAction*& choice)
    {
        tree().model()->select(&item);
        if (QTreeWidgetItem* w = tree().widgetItem(item))
            tree().scrollToItem(w);
        std::unique_ptr<QMenu> menu(tree().contextMenuFor(&item));
        choice = nullptr;
        if (menu)
            for (QAction* a : menu->actions())
                if (a->isEnabled() && plainText(a->text()) == entry)
                    choice = a;
        return menu;
    }

    /// A double click on the Dungeon Hearts, portals and hero gates of the map (the first of each
    /// kind, or every one).
    void visitSpecialRooms()
    {
        CWorldEditorDoc& doc = m_level.document();
        struct Room {
            QString kind;
            QString owner;
            TilePoint tile;
        };
        std::vector<Room> rooms;
        for (size_t i = 0; i < doc.PlayerCount(); ++i) {
            const CPlayer* player = doc.PlayerAt(i);
            const QString owner = QString::fromStdString(player->name());
            if (player->hasHeart())
                rooms.push_back({QStringLiteral("Dungeon Heart"), owner, player->heartPosition()});
            for (const PortalEntry& portal : player->portals())
                rooms.push_back({QStringLiteral("Portal"), owner, portal.centre});
            for (const HeroGateEntry& gate : player->heroGates()) {
                const TileRect footprint = heroGateFootprint(gate);
                rooms.push_back({QStringLiteral("Hero Gate"), owner, {footprint.left, footprint.top}});
            }
        }
        std::set<QString> kindsSeen;
        for (const Room& room : rooms) {
            if (!kindsSeen.insert(room.kind).second && !m_options.everyItem)
                continue;
            CWorldEditorView* view = m_level.activeView();
            if (!view)
                return;
            view->ensureVisible(TileRect::single(room.tile));
            QApplication::processEvents();
            const QPoint at = view->tileCentre(room.tile);
            const QString name = room.kind + QStringLiteral(" [") + room.owner + QStringLiteral("]");
            visit(name, [view, at] { QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at); });
            finished(name);
        }
    }

    /// The buttons of a shown dialog that open a further dialog, on every tab.
    void visitButtons(const QString& name, QDialog& dialog, DialogClose how)
    {
        auto pressOpeners = [&] {
            for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
                const QString text = plainText(button->text());
                if (button->window() != &dialog || !button->isVisible() || !button->isEnabled() ||
                    !text.endsWith(QStringLiteral("...")))
                    continue;
                QPointer<QPushButton> b(button);
                visit(
                    name + QStringLiteral(" > ") + text,
                    [b] {
                        if (b)
                            b->click();
                    },
                    how);
            }
        };
        const QList<QTabWidget*> tabs = dialog.findChildren<QTabWidget*>();
        QTabWidget* pages = tabs.isEmpty() ? nullptr : tabs.front();
        if (!pages) {
            pressOpeners();
            return;
        }
        const int opening = pages->currentIndex();
        for (int i = 0; i < pages->count(); ++i) {
            if (!pages->isTabEnabled(i))
                continue;
            pages->setCurrentIndex(i);
            QApplication::processEvents();
            pressOpeners();
        }
        pages->setCurrentIndex(opening);
    }

    static QPushButton* buttonOf(QDialog& dialog, const QStringList& texts)
    {
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->window() == &dialog && button->isVisible() && button->isEnabled() &&
                texts.contains(plainText(button->text())))
                return button;
        return nullptr;
    }

    void closeDialog(const QString& name, QDialog& dialog, DialogClose how)
    {
        QPointer<QDialog> d(&dialog);
        if (how == DialogClose::Ok) {
            if (QPushButton* ok = buttonOf(dialog, {QStringLiteral("OK")})) {
                ok->click();
                QApplication::processEvents();
                if (d && d->isVisible()) {
                    m_refused << name;
                    d->reject();
                }
                return;
            }
        }
        if (QPushButton* cancel = buttonOf(dialog, {QStringLiteral("Cancel"), QStringLiteral("Close")}))
            cancel->click();
        else if (how == DialogClose::Ok)
            dialog.accept();
        else
            dialog.reject();
        if (d && d->isVisible())
            d->close();
    }

    CWorldEditorApp& m_app;
    CChildFrame& m_level;
    Options m_options;
    Seen m_seen;
    Done m_done;
    QStringList m_missed;
    QStringList m_refused;
    QStringList m_greyed;
    QStringList m_shown;
};

} // namespace gr2::test
