#include "ui/controls/SkinCache.h"

#include "ui/controls/SkinManifest.h"

#include <QString>

// Resources compiled into a static library must be registered by name before first use.
static void InitSkinBitmapResources() {
    Q_INIT_RESOURCE(skinbitmaps);
}

namespace hx {
namespace {

QImage DecodeOpaque(const std::filesystem::path& path) {
    QImage image(QString::fromStdString(path.string()));
    if (image.isNull()) {
        return {};
    }
    // Skins are copied as opaque rectangles; RGB32 keeps each pixel's colour channels and
    // drops alpha, and it is the format the back buffer is blitted in fastest.
    return image.convertToFormat(QImage::Format_RGB32);
}

QString BitmapPath(int id) {
    return QStringLiteral(":/bitmaps/%1.png").arg(id);
}

} // namespace

SkinCache::SkinCache() {
    InitSkinBitmapResources();
}

QImage SkinCache::Load(const std::filesystem::path& folder, std::string_view name) {
    std::string key = folder.string();
    key.push_back('\0');
    key.append(name);

    auto it = entries_.find(key);
    if (it != entries_.end()) {
        const auto stamp = ReadFileStamp(it->second.path);
        if (stamp && *stamp == it->second.stamp) {
            return it->second.image;
        }
        if (stamp) {
            // Same file, new content.
            ++decodeCount_;
            it->second.stamp = *stamp;
            it->second.image = DecodeOpaque(it->second.path);
            return it->second.image;
        }
        // Gone, or renamed to another case: look it up again.
        entries_.erase(it);
    }

    const auto path = FindSkinFile(folder, name);
    if (!path) {
        return {};
    }
    const auto stamp = ReadFileStamp(*path);
    if (!stamp) {
        return {};
    }
    ++decodeCount_;
    Entry entry{*path, *stamp, DecodeOpaque(*path)};
    QImage image = entry.image;
    entries_.emplace(std::move(key), std::move(entry));
    return image;
}

QImage SkinCache::Bitmap(BitmapId id) {
    const int number = static_cast<int>(id);
    auto it = bitmaps_.find(number);
    if (it == bitmaps_.end()) {
        QImage image(BitmapPath(number));
        if (!image.isNull() && id != BitmapId::ApplicationIcon) {
            image = image.convertToFormat(QImage::Format_RGB32);
        }
        it = bitmaps_.emplace(number, std::move(image)).first;
    }
    return it->second;
}

QIcon ApplicationIcon() {
    InitSkinBitmapResources();
    QIcon icon;
    for (int size : kApplicationIconSizes) {
        icon.addFile(size == 256 ? BitmapPath(static_cast<int>(BitmapId::ApplicationIcon))
                                 : QStringLiteral(":/bitmaps/155-%1.png").arg(size));
    }
    return icon;
}

} // namespace hx
