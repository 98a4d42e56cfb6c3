#include "ui/QtPrompter.h"
#include "ui/QtText.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace gr2 {

namespace {

QMessageBox::Icon toQt(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::None:
        return QMessageBox::NoIcon;
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::Exclamation:
        return QMessageBox::Warning;
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    case Prompter::Icon::Stop:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtPrompter::message(const std::string& text, Icon icon)
{
    QMessageBox box(toQt(icon), QApplication::applicationDisplayName(), QtText::fromSystem(text),
                    QMessageBox::Ok, m_owner);
    box.exec();
}

Prompter::Answer QtPrompter::ask(const std::string& text, Buttons buttons, Icon icon)
{
    QMessageBox::StandardButtons qtButtons;
    switch (buttons) {
    case Buttons::Ok:
        qtButtons = QMessageBox::Ok;
        break;
    case Buttons::OkCancel:
        qtButtons = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    case Buttons::YesNo:
        qtButtons = QMessageBox::Yes | QMessageBox::No;
        break;
    case Buttons::YesNoCancel:
        qtButtons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        break;
    }
    QMessageBox box(toQt(icon), QApplication::applicationDisplayName(), QtText::fromSystem(text), qtButtons,
                    m_owner);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return cautiousAnswer(buttons);
    }
}

QString QtPrompter::filterText(const FileDialogSpec& request)
{
    QStringList parts;
    for (const std::string& f : request.filters)
        parts << QtText::fromSystem(f);
    return parts.join(QStringLiteral(";;"));
}

std::optional<std::filesystem::path> QtPrompter::chooseSavePath(const FileDialogSpec& request)
{
    QFileDialog dialog(m_owner, QtText::fromSystem(request.title), QtText::fromPath(request.initialPath),
                       filterText(request));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.defaultExtension.empty())
        dialog.setDefaultSuffix(QtText::fromSystem(request.defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QtText::toPath(dialog.selectedFiles().first());
}

std::vector<std::filesystem::path> QtPrompter::chooseOpenPaths(const FileDialogSpec& request)
{
    QFileDialog dialog(m_owner, QtText::fromSystem(request.title), QtText::fromPath(request.initialPath),
                       filterText(request));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    std::vector<std::filesystem::path> paths;
    if (dialog.exec() == QDialog::Accepted)
        for (const QString& f : dialog.selectedFiles())
            paths.push_back(QtText::toPath(f));
    return paths;
}

} // namespace gr2
