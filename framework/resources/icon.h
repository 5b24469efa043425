#pragma once

#include <memory>

class QIcon;

namespace fenwake {

// The two icons a window has: the large one of the task switcher and the small one of its
// title bar.
enum class IconSize { Large, Small };

// An icon loaded from the program's resources, with all the sizes the resource holds.
class Icon {
public:
    Icon();
    ~Icon();
    Icon(const Icon&);
    Icon& operator=(const Icon&);

    // A null icon when no icon resource has that number or its images do not load.
    static Icon load(int resourceId);

    const QIcon& image() const;
    // The icon as a window shows it: the sizes window systems draw a window's icon at, up to
    // 64 points (128 pixels at twice the scale). The larger artwork belongs to the desktop
    // entry; leaving it out spares every start the decoding of images no one shows.
    QIcon windowImage() const;

private:
    std::shared_ptr<const QIcon> picture;
};

} // namespace fenwake
