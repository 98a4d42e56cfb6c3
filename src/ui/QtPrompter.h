#pragma once
// The GUI's Prompter: message boxes and file dialogs owned by the main window.

#include "app/Prompter.h"

#include <QPointer>
#include <QWidget>

namespace gr2 {

class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget* owner) { m_owner = owner; }

    void message(const std::string& text, Icon icon) override;
    Answer ask(const std::string& text, Buttons buttons, Icon icon) override;
    std::optional<std::filesystem::path> chooseSavePath(const FileDialogSpec& request) override;
    std::vector<std::filesystem::path> chooseOpenPaths(const FileDialogSpec& request) override;

    /// "Name (*.ext)" entries joined the way Qt's file dialogs take them.
    static QString filterText(const FileDialogSpec& request);

private:
    QPointer<QWidget> m_owner;
};

} // namespace gr2
