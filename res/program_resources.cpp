#include "res/program_resources.h"

#include "framework/formats/menu_template.h"
#include "framework/resources/resources.h"
#include "framework/resources/window_style.h"
#include "framework/text/translatable.h"
#include "res/large_icons.h"
#include "res/resource_ids.h"

#include <iterator>

#include "res/icons/fenwake_16.xpm"
#include "res/icons/fenwake_32.xpm"

namespace fenwake {

namespace {

constexpr int noId = ControlTemplate::noId;

using namespace windowstyle;

constexpr std::uint32_t checkBoxStyle = child | visible | tabStop | autoCheckBox;
constexpr std::uint32_t labelStyle = child | visible | group | staticLeft;
constexpr std::uint32_t editStyle = child | visible | border | tabStop | editScrollsAcross;
constexpr std::uint32_t listStyle =
    child | visible | border | tabStop | listNoSortHeader | listShowSelectionAlways | listReport;
constexpr std::uint32_t iconStyle = child | visible | staticIcon;

ControlTemplate checkBox(int id, const char* text, TemplateRect rect) {
    return ControlTemplate::button(id, text, checkBoxStyle, rect);
}

ControlTemplate edit(int id, TemplateRect rect) {
    return ControlTemplate::edit(id, editStyle, rect);
}

ControlTemplate label(int id, const char* text, TemplateRect rect) {
    return ControlTemplate::label(id, text, labelStyle, rect);
}

// A control of the rows the main window inserts below Height for the US Navy method: hidden
// until the method is chosen, taking no room till then.
ControlTemplate inNavyRows(ControlTemplate control) {
    control.insertion = 0;
    control.style &= ~visible;
    return control;
}

DialogTemplate mainDialog() {
    DialogTemplate dialog;
    dialog.style = popup | visible | caption | dialogOwnFont;
    dialog.extendedStyle = extendedCaptionOkButton | extendedApplicationWindow;
    dialog.rect = {0, 0, 150, 134};
    dialog.caption = "Fenwake";
    dialog.controls = {
        checkBox(IDC_FEMALE, TRANSLATABLE("Female"), {7, 50, 39, 10}),
        label(noId, TRANSLATABLE("Waist:"), {7, 9, 22, 8}),
        edit(IDC_WAIST, {37, 7, 65, 12}),
        label(IDC_WAIST_UNIT, TRANSLATABLE("Inches"), {106, 9, 22, 8}),
        label(noId, TRANSLATABLE("Weight:"), {7, 23, 26, 8}),
        edit(IDC_WEIGHT, {37, 21, 65, 12}),
        label(IDC_WEIGHT_UNIT, TRANSLATABLE("Lbs"), {106, 24, 12, 8}),
        checkBox(IDC_METRIC, TRANSLATABLE("Metric"), {93, 50, 35, 10}),
        ControlTemplate::ofClass("SysListView32", IDC_RESULTS, "List1", listStyle,
                                 {7, 62, 123, 66}),
        label(noId, TRANSLATABLE("Height:"), {7, 38, 24, 8}),
        edit(IDC_HEIGHT, {37, 35, 65, 12}),
        label(IDC_HEIGHT_UNIT, TRANSLATABLE("Inches"), {106, 38, 22, 8}),
        // Two rows under Height, after it in the tab order.
        inNavyRows(label(noId, TRANSLATABLE("Neck:"), {7, 52, 24, 8})),
        inNavyRows(edit(IDC_NECK, {37, 49, 65, 12})),
        inNavyRows(label(IDC_NECK_UNIT, TRANSLATABLE("Inches"), {106, 52, 22, 8})),
        inNavyRows(label(noId, TRANSLATABLE("Hip:"), {7, 66, 24, 8})),
        inNavyRows(edit(IDC_HIP, {37, 63, 65, 12})),
        inNavyRows(label(IDC_HIP_UNIT, TRANSLATABLE("Inches"), {106, 66, 22, 8})),
    };
    dialog.insertions = {{49, 28}};
    dialog.growingControl = IDC_RESULTS; // a larger window gives the list the room
    return dialog;
}

DialogTemplate aboutDialog() {
    DialogTemplate dialog;
    dialog.style = popup | caption | systemMenu | dialogModalFrame | dialogOwnFont;
    dialog.rect = {0, 0, 140, 130};
    dialog.caption = TRANSLATABLE("About");
    dialog.controls = {
        ControlTemplate::icon(IDI_MAIN, iconStyle, {7, 7, 21, 20}),
        label(noId, programNameAndVersion, {38, 11, 92, 8}),
        label(noId, "Copyright (C) 2026 Kestrova\nfenwake@kestrova.example", {7, 92, 126, 29}),
        // In the room the box leaves free, where every reader of it sees it.
        label(noId,
              TRANSLATABLE("The figures are estimates from simple formulas, not medical advice."),
              {7, 40, 126, 29}),
    };
    return dialog;
}

// The menu template: a "Tools" pop-up whose first item "About" sends IDM_ABOUT; what the program
// added since follows it. The texts are named here for the translation files; the key after a
// tab chooses an item from anywhere in the window.
std::vector<std::uint8_t> mainMenu() {
    const auto command = [](const char* text, int id) {
        return MenuItem{0, id, text, {}};
    };
    // One of the methods of the fat estimate, of which one at a time is chosen.
    const auto choice = [](const char* text, int id) {
        return MenuItem{MenuItem::radio, id, text, {}};
    };
    return MenuTemplate::encode(
        {MenuItem{MenuItem::popup,
                  0,
                  TRANSLATABLE("Tools"),
                  {
                      command(TRANSLATABLE("About"), IDM_ABOUT),
                      command(TRANSLATABLE("Help") "\tF1", IDM_HELP),
                      MenuItem{MenuItem::popup,
                               0,
                               TRANSLATABLE("Method"),
                               {
                                   choice(TRANSLATABLE("Waist and Weight"), IDM_METHOD_YMCA),
                                   choice(TRANSLATABLE("US Navy"), IDM_METHOD_NAVY),
                                   choice(TRANSLATABLE("Relative Fat Mass"), IDM_METHOD_RFM),
                               }},
                      command(TRANSLATABLE("Add to History") "\tCtrl+D", IDM_ADD_TO_HISTORY),
                      command(TRANSLATABLE("History…") "\tCtrl+H", IDM_HISTORY),
                      command(TRANSLATABLE("Goal…"), IDM_GOAL),
                  }}});
}

// The menu-bar record: nine little-endian words, a header of two and seven for its button.
const std::vector<std::uint8_t> mainMenuBar{
    0x82, 0x00, // the menu whose pop-ups the buttons open: IDR_MAINMENU (130)
    0x01, 0x00, // one button
    0xfe, 0xff, // button 1: image index -2, no image
    0x06, 0x80, // button 1: command IDM_TOOLS (32774)
    0x04, 0x00, // button 1: state, enabled
    0x18, 0x00, // button 1: style, drop-down (0x08) and sized to its text (0x10)
    0x08, 0x80, // button 1: text, the string IDS_TOOLS (32776)
    0x00, 0x00, // button 1: reserved
    0x00, 0x00, // button 1: the pop-up it opens, 0: "Tools"
};

// Its strings are in English (United States), in Unicode: the translation 040904b0.
VersionRecord versionRecord() {
    VersionRecord version;
    version.productVersion = {1, 1, 0, 0};
    version.strings = {
        {"CompanyName", "Kestrova"},
        {"FileDescription", "Fenwake body-composition calculator"},
        {"FileVersion", "1, 1, 0, 0"},
        {"InternalName", "fenwake"},
        {"LegalCopyright", "Copyright (C) 2026 Kestrova"},
        {"OriginalFilename", "fenwake"},
        {"ProductName", "Fenwake"},
        {"ProductVersion", "1, 1, 0, 0"},
    };
    return version;
}

template <std::size_t size>
std::vector<const char*> xpmLines(const char* const (&image)[size]) {
    return {std::begin(image), std::end(image)};
}

// The 32 and 16 pixel images of 16 colours, and our larger artwork for sharp larger sizes.
IconResource mainIcon() {
    IconResource icon{{{32, xpmLines(fenwakeIcon32), {}}, {16, xpmLines(fenwakeIcon16), {}}}};
    for (const PngIcon& large : largeIcons()) {
        icon.images.push_back({large.size, {}, large.png});
    }
    return icon;
}

} // namespace

void registerProgramResources() {
    Resources::addDialog(IDD_MAIN, mainDialog());
    Resources::addDialog(IDD_ABOUT, aboutDialog());
    Resources::addIcon(IDI_MAIN, mainIcon());
    Resources::addString(IDS_TOOLS, TRANSLATABLE("Tools"));
    Resources::addMenu(IDR_MAINMENU, mainMenu());
    Resources::addMenuBar(IDR_MAINMENU, mainMenuBar);
    Resources::setVersion(versionRecord());
    Resources::setDesktopEntry("org.kestrova.fenwake");
}

} // namespace fenwake
