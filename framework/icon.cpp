#include "framework/icon.h"

#include "framework/resources.h"

#include <QIcon>
#include <QPixmap>

namespace fenwake {

Icon::Icon() : picture(std::make_shared<const QIcon>()) {}
Icon::~Icon() = default;
Icon::Icon(const Icon&) = default;
Icon& Icon::operator=(const Icon&) = default;

Icon Icon::load(int resourceId) {
    Icon icon;
    const IconResource* resource = Resources::icon(resourceId);
    if (resource == nullptr) {
        return icon;
    }
    auto picture = std::make_shared<QIcon>();
    for (const IconImage& image : resource->images) {
        const QPixmap pixmap(image.xpm.data());
        if (!pixmap.isNull()) {
            picture->addPixmap(pixmap);
        }
    }
    icon.picture = std::move(picture);
    return icon;
}

bool Icon::isNull() const {
    return picture->isNull();
}

const QIcon& Icon::image() const {
    return *picture;
}

} // namespace fenwake
