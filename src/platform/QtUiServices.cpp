#include "platform/QtUiServices.h"

#include <QColorDialog>
#include <QMessageBox>

namespace hx {

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

} // namespace hx
