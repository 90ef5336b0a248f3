#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QUrl>

namespace hx {
namespace {

QString ToQString(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

} // namespace

Status QtShell::OpenPath(const std::filesystem::path& file,
                         const std::filesystem::path& workingDir) {
    const QFileInfo info(ToQString(file));
    if (!info.exists())
        return Error{"cannot open " + file.string() + ": it does not exist"};
    if (info.isFile() && info.isExecutable())
        return StartProgram(file, workingDir);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath())))
        return Error{"no program is set up to open " + file.string()};
    return Status::Ok();
}

Status QtShell::StartProgram(const std::filesystem::path& program,
                             const std::filesystem::path& workingDir) {
    if (!QProcess::startDetached(ToQString(program), {}, ToQString(workingDir)))
        return Error{"cannot start " + program.string()};
    return Status::Ok();
}

Status QtShell::OpenUrl(const std::string& url) {
    if (!QDesktopServices::openUrl(QUrl(QString::fromStdString(url))))
        return Error{"cannot open " + url};
    return Status::Ok();
}

} // namespace hx
