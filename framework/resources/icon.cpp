#include "framework/resources/icon.h"

#include "framework/resources/resources.h"

#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <map>

namespace fenwake {

namespace {

// The images of an icon resource, each made into a pixmap only when a size needs it: the
// window system may never ask for the large ones.
class ResourceIconEngine : public QIconEngine {
public:
    explicit ResourceIconEngine(std::vector<IconImage> resourceImages)
        : images(std::move(resourceImages)) {
        std::sort(images.begin(), images.end(),
                  [](const IconImage& a, const IconImage& b) { return a.size < b.size; });
    }

    QIconEngine* clone() const override { return new ResourceIconEngine(images); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const IconImage& image : images) {
            sizes.append(QSize(image.size, image.size));
        }
        return sizes;
    }

    // The smallest image at least as large, scaled down to the size; never an image scaled up
    // beyond what the artwork holds.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int wanted = std::max(size.width(), size.height());
        const auto fits =
            std::find_if(images.begin(), images.end(),
                         [wanted](const IconImage& image) { return image.size >= wanted; });
        const IconImage& best = fits != images.end() ? *fits : images.back();
        const QPixmap& picture = decoded(best);
        if (picture.isNull() || best.size <= wanted) {
            return picture;
        }
        return picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device()->devicePixelRatioF();
        painter->drawPixmap(rect, pixmap(rect.size() * scale, mode, state));
    }

    bool isNull() override { return images.empty(); }

private:
    const QPixmap& decoded(const IconImage& image) {
        auto found = pixmaps.find(image.size);
        if (found == pixmaps.end()) {
            QPixmap picture;
            if (!image.png.empty()) {
                picture.loadFromData(image.png.data(), static_cast<uint>(image.png.size()), "PNG");
            } else {
                picture = QPixmap(image.xpm.data());
            }
            found = pixmaps.emplace(image.size, picture).first;
        }
        return found->second;
    }

    std::vector<IconImage> images;
    std::map<int, QPixmap> pixmaps;
};

// Another icon with its larger sizes left out.
class SmallerIconEngine : public QIconEngine {
public:
    SmallerIconEngine(QIcon whole, int largestSize)
        : icon(std::move(whole)), largest(largestSize) {}

    QIconEngine* clone() const override { return new SmallerIconEngine(icon, largest); }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> sizes = icon.availableSizes(mode, state);
        sizes.removeIf([this](const QSize& size) { return size.width() > largest; });
        return sizes;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon.pixmap(size, 1.0, mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon.paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    bool isNull() override { return icon.isNull(); }

private:
    QIcon icon;
    int largest;
};

constexpr int largestWindowIcon = 64;

} // namespace

Icon::Icon() : picture(std::make_shared<const QIcon>()) {}
Icon::~Icon() = default;
Icon::Icon(const Icon&) = default;
Icon& Icon::operator=(const Icon&) = default;

Icon Icon::load(int resourceId) {
    Icon icon;
    const IconResource* resource = Resources::icon(resourceId);
    if (resource == nullptr || resource->images.empty()) {
        return icon;
    }
    icon.picture = std::make_shared<QIcon>(new ResourceIconEngine(resource->images));
    return icon;
}

const QIcon& Icon::image() const {
    return *picture;
}

QIcon Icon::windowImage() const {
    return picture->isNull() ? QIcon() : QIcon(new SmallerIconEngine(*picture, largestWindowIcon));
}

} // namespace fenwake
