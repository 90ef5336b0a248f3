// skingen <skin folder> <bitmap folder>
// Draws every skin image the windows name into the skin folder (and its sub-folders), and the
// compiled-in bitmaps with the .qrc that lists them into the bitmap folder. A file is written
// only when its bytes change. Fails when a named image has no painter or comes out at another
// size than the windows expect.
#include "SkinPainters.h"

#include "ui/controls/SkinManifest.h"

#include <QBuffer>
#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <string>
#include <vector>

namespace {

bool WriteIfChanged(const QString& path, const QByteArray& bytes) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes) {
        return true;
    }
    existing.close();
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QByteArray EncodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool WriteSkin(const QString& skinDir) {
    std::vector<skin::PainterEntry> painters;
    skin::AddMainWindowPainters(painters);
    skin::AddKeyboardPainters(painters);
    skin::AddDialogPainters(painters);

    skin::SkinContext context;
    bool ok = true;
    // The main background first: images that sit on it carry its pixels.
    for (const hx::SkinImageEntry& item : hx::kSkinImages) {
        if (item.folder == hx::SkinFolder::Main && item.name == "main.png") {
            context.mainBackground = skin::PaintMainBackground(item.width, item.height);
        }
    }
    for (const hx::SkinImageEntry& item : hx::kSkinImages) {
        QImage image;
        if (item.folder == hx::SkinFolder::Main && item.name == "main.png") {
            image = context.mainBackground;
        } else {
            const skin::PainterEntry* painter = nullptr;
            for (const auto& entry : painters) {
                if (entry.folder == item.folder && entry.name == item.name) {
                    painter = &entry;
                }
            }
            if (painter == nullptr) {
                std::fprintf(stderr, "skingen: no painter for %s\n",
                             std::string(item.name).c_str());
                ok = false;
                continue;
            }
            image = painter->paint(context, item.width, item.height);
        }
        if (image.width() != item.width || image.height() != item.height) {
            std::fprintf(stderr, "skingen: %s came out %dx%d, not %dx%d\n",
                         std::string(item.name).c_str(), image.width(), image.height(), item.width,
                         item.height);
            ok = false;
            continue;
        }
        const QString folder = skinDir + QLatin1Char('/') + ToQString(SubfolderName(item.folder));
        QDir().mkpath(folder);
        ok = WriteIfChanged(folder + QLatin1Char('/') + ToQString(item.name), EncodePng(image)) &&
             ok;
    }
    return ok;
}

bool WriteBitmaps(const QString& bitmapDir) {
    QDir().mkpath(bitmapDir);
    QCryptographicHash digest(QCryptographicHash::Sha256);
    QStringList files;
    bool ok = true;
    auto write = [&](const QString& name, const QImage& image) {
        const QByteArray bytes = EncodePng(image);
        digest.addData(bytes);
        files << name;
        ok = WriteIfChanged(bitmapDir + QLatin1Char('/') + name, bytes) && ok;
    };
    for (const hx::BitmapEntry& item : hx::kBitmaps) {
        write(QStringLiteral("%1.png").arg(static_cast<int>(item.id)),
              skin::PaintBitmap(item.id, item.width, item.height));
    }
    for (int size : hx::kApplicationIconSizes) {
        if (size != 256) {
            write(QStringLiteral("155-%1.png").arg(size), skin::PaintApplicationIcon(size));
        }
    }
    // The digest changes the .qrc whenever a bitmap changes, so the resources are rebuilt.
    QByteArray qrc = "<!DOCTYPE RCC>\n<!-- bitmaps " + digest.result().toHex() +
                     " -->\n<RCC version=\"1.0\">\n<qresource prefix=\"/bitmaps\">\n";
    for (const QString& file : files) {
        qrc += "  <file>" + file.toUtf8() + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    return WriteIfChanged(bitmapDir + QStringLiteral("/skinbitmaps.qrc"), qrc) && ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: skingen <skin folder> <bitmap folder>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QString skinDir = QString::fromLocal8Bit(argv[1]);
    const QString bitmapDir = QString::fromLocal8Bit(argv[2]);
    const bool skinOk = WriteSkin(skinDir);
    const bool bitmapsOk = WriteBitmaps(bitmapDir);
    return skinOk && bitmapsOk ? 0 : 1;
}
