#include "platform/QtUiServices.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>

namespace hx {
namespace {

void AddEntries(QMenu& menu, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries) {
        const QString text = QString::fromStdString(entry.text);
        if (entry.children.empty())
            menu.addAction(text)->setData(entry.id);
        else
            AddEntries(*menu.addMenu(text), entry.children);
    }
}

} // namespace

MessageAnswer QtUiServices::ShowMessage(const std::string& text, const std::string& caption,
                                        MessageButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(text),
                    buttons == MessageButtons::kOkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                         : QMessageBox::Ok,
                    parent_);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? MessageAnswer::kOk : MessageAnswer::kCancel;
}

std::optional<std::uint32_t> QtUiServices::ChooseColour(std::uint32_t initial) {
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(initial & 0xFFFFFF), parent_);
    if (!chosen.isValid())
        return std::nullopt;
    return static_cast<std::uint32_t>(chosen.rgb() & 0xFFFFFF);
}

std::optional<std::filesystem::path> QtUiServices::ChooseFile(const FileDialogRequest& request) {
    QFileDialog dialog(parent_, QString::fromStdString(request.title),
                       QString::fromStdString(request.folder.string()),
                       QString::fromStdString(request.filter));
    if (request.mode == FileDialogMode::kFolder) {
        // The folder browser: folders only, with the box for typing a folder's name.
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return std::filesystem::path(dialog.selectedFiles().front().toStdString());
    }
    const bool saving = request.mode == FileDialogMode::kSave;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist || !saving ? QFileDialog::ExistingFile
                                                    : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultSuffix));
    // A pattern as the initial name only repeats the filter; a real name is preselected.
    if (!request.initialName.empty() && request.initialName.find('*') == std::string::npos)
        dialog.selectFile(QString::fromStdString(request.initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().front().toStdString());
}

std::optional<std::size_t> QtUiServices::ShowContextMenu(const std::vector<std::string>& items,
                                                         int x, int y) {
    QMenu menu(parent_);
    for (std::size_t i = 0; i < items.size(); ++i)
        menu.addAction(QString::fromStdString(items[i]))->setData(static_cast<qulonglong>(i));
    const QAction* chosen = menu.exec(QPoint(x, y));
    if (!chosen)
        return std::nullopt;
    return static_cast<std::size_t>(chosen->data().toULongLong());
}

std::optional<int> QtUiServices::ShowCommandMenu(const std::vector<MenuEntry>& entries, int x,
                                                 int y) {
    QMenu menu(parent_);
    AddEntries(menu, entries);
    const QAction* chosen = menu.exec(QPoint(x, y));
    if (!chosen)
        return std::nullopt;
    return chosen->data().toInt();
}

} // namespace hx
