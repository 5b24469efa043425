#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace fenwake {

// A dialog as its resource describes it, in dialog units: the window's style words, caption
// and font, and its controls in template order (which is also the tab order).
struct TemplateRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The predefined control classes a template names by number.
enum class ControlClassAtom : std::uint16_t {
    Button = 0x0080,
    Edit = 0x0081,
    Static = 0x0082,
};

struct ControlTemplate {
    // The id of a control the program never addresses (-1 as a 16-bit word).
    static constexpr int noId = 0xFFFF;

    // One builder for each kind of control a template holds.
    static ControlTemplate button(int id, std::string text, std::uint32_t style,
                                  TemplateRect rect) {
        return {ControlClassAtom::Button, {}, std::move(text), 0, id, style, rect};
    }
    static ControlTemplate edit(int id, std::uint32_t style, TemplateRect rect) {
        return {ControlClassAtom::Edit, {}, {}, 0, id, style, rect};
    }
    static ControlTemplate label(int id, std::string text, std::uint32_t style, TemplateRect rect) {
        return {ControlClassAtom::Static, {}, std::move(text), 0, id, style, rect};
    }
    // An icon of the resources, by its number.
    static ControlTemplate icon(std::uint16_t resource, std::uint32_t style, TemplateRect rect) {
        return {ControlClassAtom::Static, {}, {}, resource, noId, style, rect};
    }
    // A control of a class the template names, such as "SysListView32", the list view.
    static ControlTemplate ofClass(std::string className, int id, std::string text,
                                   std::uint32_t style, TemplateRect rect) {
        return {
            ControlClassAtom::Static, std::move(className), std::move(text), 0, id, style, rect};
    }

    // Either a predefined class by number or a class by name (className not empty).
    ControlClassAtom classAtom = ControlClassAtom::Static;
    std::string className;
    // Text, or a resource by number when textResource is not 0 (an icon for an icon static).
    std::string text;
    std::uint16_t textResource = 0;
    int id = noId;
    std::uint32_t style = 0;
    TemplateRect rect;
    // The rows the control stands in, when the template inserts some (DialogTemplate::
    // insertions); -1 when it stands in the template's own.
    int insertion = -1;
};

// Rows a template inserts into its form, for controls that show only at times: from the
// template's row `at`, `height` dialog units high. While one of their controls shows, every
// control of the template from that row down stands lower by the height; while none does,
// they take no room and the form is as it would be without them. Their controls' rectangles
// are where they stand with the rows in place.
struct TemplateInsertion {
    int at = 0;
    int height = 0;
};

struct DialogTemplate {
    std::uint32_t style = 0;
    std::uint32_t extendedStyle = 0;
    TemplateRect rect;
    std::string caption;
    // "System" stands for the desktop's default interface font.
    std::string fontName = "System";
    int fontPointSize = 8;
    std::vector<ControlTemplate> controls;
    // The control that takes the room when the window is made larger than the template; with
    // none the window keeps the template's size.
    int growingControl = ControlTemplate::noId;
    std::vector<TemplateInsertion> insertions;
};

} // namespace fenwake
