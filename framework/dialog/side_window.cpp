#include "framework/dialog/side_window.h"

#include "framework/profile/profile.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace fenwake {

namespace {

// The frame a window manager puts around a window, as the owner has it (before a window is
// shown its own frame is not known).
QMargins frameOf(const QWidget& owner) {
    const QRect frame = owner.frameGeometry();
    const QRect inside = owner.geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

// The frame's top left so that the whole frame lies on the screen.
QPoint onScreen(QPoint frameTopLeft, QSize size, QMargins frame, const QRect& screen) {
    const int width = size.width() + frame.left() + frame.right();
    const int height = size.height() + frame.top() + frame.bottom();
    return {std::clamp(frameTopLeft.x(), screen.left(),
                       std::max(screen.left(), screen.right() + 1 - width)),
            std::clamp(frameTopLeft.y(), screen.top(),
                       std::max(screen.top(), screen.bottom() + 1 - height))};
}

// Right of the owner if it fits, else left of it, else on the side with more room.
QPoint beside(QSize size, QMargins frame, const QWidget& owner, const QRect& screen) {
    const QRect ownerFrame = owner.frameGeometry();
    const int width = size.width() + frame.left() + frame.right();
    const int right = screen.right() + 1 - (ownerFrame.right() + 1);
    const int left = ownerFrame.left() - screen.left();
    const int x =
        right >= width || right >= left ? ownerFrame.right() + 1 : ownerFrame.left() - width;
    return onScreen({x, ownerFrame.top()}, size, frame, screen);
}

// The state file's own section, where the main window keeps its size: a file without it is
// not taken for the program's own.
constexpr const char* section = "Window";

// Keeps the window's place and size whenever it is hidden: closed, rejected, or taken down with
// its owner.
class Keeper : public QObject {
public:
    Keeper(QWidget& window, Profile& state, std::string name)
        : QObject(&window), window(window), state(state), name(std::move(name)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window && event->type() == QEvent::Hide) {
            const QRect normal = window.isMaximized() && window.normalGeometry().isValid()
                                     ? window.normalGeometry()
                                     : window.geometry();
            const QPoint frame = window.isMaximized() ? normal.topLeft() : window.pos();
            state.beginBatch();
            state.writeInteger(section, name + "X", frame.x());
            state.writeInteger(section, name + "Y", frame.y());
            state.writeInteger(section, name + "Width", normal.width());
            state.writeInteger(section, name + "Height", normal.height());
            state.endBatch();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& window;
    Profile& state;
    const std::string name;
};

} // namespace

void SideWindow::place(QWidget& window, const QWidget& owner, Profile* state,
                       std::string_view name) {
    const QRect screen = owner.screen()->availableGeometry();
    const QMargins frame = frameOf(owner);
    const QSize room(screen.width() - frame.left() - frame.right(),
                     screen.height() - frame.top() - frame.bottom());
    QSize size = window.size();
    bool kept = false;
    QPoint position;
    if (state != nullptr) {
        const std::string key(name);
        const QSize keptSize(state->readInteger(section, key + "Width", 0),
                             state->readInteger(section, key + "Height", 0));
        if (keptSize.width() > 0 && keptSize.height() > 0) {
            size = keptSize;
            position = {state->readInteger(section, key + "X", 0),
                        state->readInteger(section, key + "Y", 0)};
            kept = true;
        }
        window.installEventFilter(new Keeper(window, *state, key));
    }
    size = size.boundedTo(room).expandedTo(window.minimumSizeHint().boundedTo(room));
    window.resize(size);
    window.move(kept ? onScreen(position, size, frame, screen)
                     : beside(size, frame, owner, screen));
}

} // namespace fenwake
