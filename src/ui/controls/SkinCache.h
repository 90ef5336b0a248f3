#pragma once

#include "ui/controls/Canvas.h"
#include "ui/controls/SkinLookup.h"

#include <QIcon>
#include <QImage>

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace hx {

// Decoded skin images, kept between paints. Every lookup checks the file's size and
// modification time, so a replaced file is decoded again at the next paint and a removed one
// draws nothing. Images come back opaque: the alpha channel is dropped, the colour channels of
// transparent pixels stay as the decoder left them.
class SkinCache {
public:
    SkinCache();

    // The image `name` below `folder` (case-blind), or a null image when it is missing or cannot
    // be decoded.
    QImage Load(const std::filesystem::path& folder, std::string_view name);

    // A compiled-in bitmap (never changes while the program runs).
    QImage Bitmap(BitmapId id);

    // How many files were decoded so far; lets a caller see the cache at work.
    int decodeCount() const { return decodeCount_; }

private:
    struct Entry {
        std::filesystem::path path;
        FileStamp stamp;
        QImage image; // null when the file could not be decoded
    };

    std::map<std::string, Entry, std::less<>> entries_;
    std::map<int, QImage> bitmaps_;
    int decodeCount_ = 0;
};

// The application icon at every size it is compiled in.
QIcon ApplicationIcon();

} // namespace hx
