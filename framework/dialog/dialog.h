#pragma once

// framework/dialog: dialogs and their controls. A dialog is built from a template of the
// resources, placed in dialog units of the window's font; its controls report to static
// message tables; form updates move values between controls and members; a report-view
// list, the on-screen keyboard requests and the window's quiet notice line belong here too.
// It may use Qt Widgets, the messages, the resources, the number texts and the profile (a
// handler's writes are one batch); nothing here knows the program's own dialogs.

#include "framework/dialog/data_exchange.h"
#include "framework/dialog/end_codes.h"
#include "framework/dialog/notice_kind.h"
#include "framework/message/message_target.h"
#include "framework/message/notification_sink.h"
#include "framework/resources/icon.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

namespace fenwake {

class NoticeBoard;
class Profile;
class WindowPlacement;

// A dialog built from a template of the program's resources: its window's life, the dispatch
// of what its controls report, and form updates. Where the window opens and the notices along
// its foot are rooms of their own (window_placement.h, notice_board.h). The object exists before
// its window: runModal() creates the window and its controls, calls initialiseWindow(), runs a
// nested event loop until endDialog(), destroys the window and returns the end code.
//
// Controls report to the dialog as notifications, which its class's message table maps to
// member handlers. While a form update runs no notification reaches a handler, so writing
// the form never runs one; and every handler's profile writes reach disk together when it
// returns.
class Dialog : public MessageTarget, public NotificationSink {
public:
    explicit Dialog(int templateId, Dialog* parent = nullptr);
    ~Dialog() override;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // The end code, or -1 at once when the window cannot be created.
    int runModal();

    // Creates and shows the window without a loop of its own, for tests and for windows that
    // live beside others. False when the window cannot be created.
    bool create();
    bool hasWindow() const;

    // The code the dialog last ended with, -1 before it ended.
    int endCode() const { return lastEndCode; }

    // Runs exchangeFormData in one direction with notifications held back. True when every
    // field could be read or written.
    bool updateFormData(FormDirection direction);

    // Shows or hides controls. The form makes room for rows the template inserts while a
    // control of theirs shows, and gives it back when none does: the window grows or shrinks
    // by as much, and every other control keeps its place relative to its neighbours.
    void showControls(std::initializer_list<int> ids, bool shown);
    // Lets the control take input, or not, as it stays where it is.
    void enableControl(int id, bool enabled);

    void setControlText(int id, std::string_view text);
    std::string controlText(int id) const;
    // What a screen reader says for a control: its name, and a description such as the unit
    // of a field. A field marked as not a number says so after its description.
    void nameControl(int id, std::string_view name);
    void describeControl(int id, std::string_view description);
    void setIcon(const Icon& icon, IconSize size);
    // Centres the window on its screen, now and again as it is shown, should it have grown
    // in between (a menu bar added after centring, for one).
    void centreWindow();
    // The window keeps its size and maximised state in the store when it closes, and opens
    // with them again (window_placement.h).
    void keepSizeIn(Profile* store);
    // Keeps the window's size now, as closing it would: for an end that does not close it
    // (a session ending with a signal).
    void keepSizeNow();

    // A quiet line along the foot of the window, one for each matter: a warning sign and a
    // short text, with the detail as its tool tip. It takes no focus and blocks nothing; it
    // stays until cleared, also across the window being created again.
    void showNotice(std::string_view matter, std::string_view text, std::string_view detail,
                    NoticeKind kind = NoticeKind::Warning);
    void clearNotice(std::string_view matter);

    // A control's tool tip, which a field marked as not a number trades for "Enter a number."
    // while it is marked.
    void setControlToolTip(int id, std::string_view text);
    // Whether the field is marked as not holding a number, since the last form update.
    bool isFieldMarked(int id) const;
    // Marks a field whose number its use cannot take, with the reason as its tool tip, until
    // called with an empty reason.
    void markFieldNeeded(int id, std::string_view reason);

    // Says the text to a screen reader, wherever the focus is; of texts that come quickly one
    // after another only the last is said.
    void announce(std::string_view text);

    // Where controls, menus and the window itself report. Returns true when the default
    // handling should still see the event (nothing handled it, or the handler passed it on).
    bool notify(const Message& message) override;

    // The window the program regards as its main one, which the application designates: a
    // dialog without a parent belongs to it. A dialog clears the designation itself when it
    // is destroyed, so the designation never outlives the window.
    static void designateMainWindow(Dialog* window);
    static Dialog* mainWindow();
    // Where every handler's profile writes are held and then committed together.
    static void batchHandlerWritesIn(Profile* profile);

protected:
    // Called once the window and its controls exist, before the window is first shown. The
    // base writes the form; returning true gives the focus to the first tab stop.
    virtual bool initialiseWindow();
    virtual void exchangeFormData(DataExchange& exchange);

    // The default handling of OK, Cancel and the left button, for derived tables to reach.
    void onOk();
    void onCancel();
    void onLeftButtonDown(unsigned keyFlags, Point point);

    const MessageMap* messageMap() const override;
    static const MessageMap messages;

private:
    friend class DialogWidgets;
    static const MessageEntry messageEntries[];

    bool createWindow();
    void destroyWindow();
    void endDialog(int code);
    void show();
    Dialog* owner() const;

    struct Window;
    int templateId;
    Dialog* parent;
    std::unique_ptr<Window> windowState;
    std::unique_ptr<WindowPlacement> placement;
    std::unique_ptr<NoticeBoard> noticeBoard;
    int formUpdateDepth = 0;
    int lastEndCode = -1;
};

} // namespace fenwake
