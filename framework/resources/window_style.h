#pragma once

#include <cstdint>

namespace fenwake::windowstyle {

// The bits of a template's style words, by name: what the templates are written with, and
// what the framework understands of them.
constexpr std::uint32_t popup = 0x80000000;
constexpr std::uint32_t child = 0x40000000;
constexpr std::uint32_t visible = 0x10000000;
constexpr std::uint32_t disabled = 0x08000000;
constexpr std::uint32_t caption = 0x00C00000;
constexpr std::uint32_t border = 0x00800000;
constexpr std::uint32_t systemMenu = 0x00080000;
constexpr std::uint32_t group = 0x00020000;
constexpr std::uint32_t tabStop = 0x00010000;

// A dialog's own bits.
constexpr std::uint32_t dialogModalFrame = 0x00000080;
constexpr std::uint32_t dialogOwnFont = 0x00000040; // the template names its font

constexpr std::uint32_t buttonKindMask = 0x0000000F;
constexpr std::uint32_t defaultPushButton = 0x1;
constexpr std::uint32_t checkBox = 0x2;
constexpr std::uint32_t autoCheckBox = 0x3;

constexpr std::uint32_t staticKindMask = 0x0000001F;
constexpr std::uint32_t staticLeft = 0x0;
constexpr std::uint32_t staticCentre = 0x1;
constexpr std::uint32_t staticRight = 0x2;
constexpr std::uint32_t staticIcon = 0x3;

constexpr std::uint32_t listReport = 0x0001;
constexpr std::uint32_t listSingleSelection = 0x0004;
constexpr std::uint32_t listShowSelectionAlways = 0x0008;
constexpr std::uint32_t listNoSortHeader = 0x8000;
constexpr std::uint32_t listExtendedFullRowSelect = 0x00000020;

constexpr std::uint32_t editCentre = 0x0001;
constexpr std::uint32_t editRight = 0x0002;
constexpr std::uint32_t editScrollsAcross = 0x0080;
constexpr std::uint32_t editReadOnly = 0x0800;

// A command bar: a flat tool bar, along the top of its window.
constexpr std::uint32_t toolBarFlat = 0x0800;
constexpr std::uint32_t barAlongTop = 0x00002000;

// Extended dialog style: the caption carries an OK button. Our windows have a close button
// instead, and closing acts as OK.
constexpr std::uint32_t extendedCaptionOkButton = 0x80000000;
// Extended style: an application's own window, which the task list shows: for the window
// manager a normal window that can be minimised and maximised, not a dialog of another one.
constexpr std::uint32_t extendedApplicationWindow = 0x00040000;

} // namespace fenwake::windowstyle
