#pragma once

#include <memory>

class QIcon;

namespace fenwake {

// An icon loaded from the program's resources, with all the sizes the resource holds.
class Icon {
public:
    Icon();
    ~Icon();
    Icon(const Icon&);
    Icon& operator=(const Icon&);

    // A null icon when no icon resource has that number or its images do not load.
    static Icon load(int resourceId);

    bool isNull() const;
    const QIcon& image() const;

private:
    std::shared_ptr<const QIcon> picture;
};

} // namespace fenwake
