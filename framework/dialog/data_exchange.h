#pragma once

#include <cstdint>
#include <functional>

class QString;
class QWidget;

namespace fenwake {

class ListControl;

enum class FormDirection {
    Read,  // controls to members
    Write, // members to controls
};

// One form update: moves each field between its control and its member in one direction.
// A field that does not read keeps its member as it was; the other fields are still read.
class DataExchange {
public:
    // Finds the control of an id, or nothing.
    using FindControl = std::function<QWidget*(int id)>;

    DataExchange(FindControl findControl, FormDirection direction);

    bool allFieldsSucceeded() const { return succeeded; }

    // Checked is 1, clear is 0; writing checks the box for any value but 0.
    void checkBox(int id, std::int32_t& value);

    // Writing shows the number with fifteen significant digits. Reading takes the whole text
    // as one finite decimal number; text that is not one leaves the member as it was and
    // marks the field (a red frame and the tool tip "Enter a number.") until it is again. The
    // red comes from the palette, so that it stands out on a light desktop and a dark one.
    void edit(int id, double& value);

    // Binds the list-view control to the object that wraps it, at the first exchange.
    void control(int id, ListControl& list);

    // Marks a field that holds a number its use cannot take (a measurement left at 0 that a
    // method needs) as a field holding no number is marked, the reason in its tool tip and
    // description; an empty reason takes the mark away. A field holding no number says so
    // first.
    static void markNeeded(QWidget& control, const QString& reason);

    // A control's accessible description: the one its dialog gave it (under this property),
    // followed by "Enter a number." while the field is marked, or by the reason it is needed.
    static constexpr const char* descriptionProperty = "fenwakeDescription";
    static void describe(QWidget& control);
    // A control's tool tip: the one its dialog gave it (under this property), or "Enter a
    // number." while the field is marked, or the reason it is needed.
    static constexpr const char* toolTipProperty = "fenwakeToolTip";
    static void showToolTip(QWidget& control);
    static bool isMarked(const QWidget& control);

private:
    FindControl findControl;
    FormDirection exchangeDirection;
    bool succeeded = true;
};

} // namespace fenwake
