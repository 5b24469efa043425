#pragma once

namespace fenwake {

// Dialog templates.
constexpr int IDD_MAIN = 102;
constexpr int IDD_ABOUT = 133;

// Controls of the main window.
constexpr int IDC_FEMALE = 1001;
constexpr int IDC_WAIST = 1002;
constexpr int IDC_WEIGHT = 1003;
constexpr int IDC_METRIC = 1004;
constexpr int IDC_RESULTS = 1005;
constexpr int IDC_WEIGHT_UNIT = 1006;
constexpr int IDC_WAIST_UNIT = 1007;
constexpr int IDC_HEIGHT = 1008;
constexpr int IDC_HEIGHT_UNIT = 1009;
// The neck and the hip, which the US Navy method needs.
constexpr int IDC_NECK = 1010;
constexpr int IDC_NECK_UNIT = 1011;
constexpr int IDC_HIP = 1012;
constexpr int IDC_HIP_UNIT = 1013;

// Icons.
constexpr int IDI_MAIN = 128;

// The menu and, under the same number, its menu-bar record.
constexpr int IDR_MAINMENU = 130;

// Commands and strings.
constexpr int IDM_TOOLS = 32774;
constexpr int IDS_TOOLS = 32776;
constexpr int IDM_ABOUT = 32777;
// After About: the help, and the method of the fat estimate.
constexpr int IDM_HELP = 32778;
constexpr int IDM_METHOD_YMCA = 32779;
constexpr int IDM_METHOD_NAVY = 32780;
constexpr int IDM_METHOD_RFM = 32781;
// After the methods: the history.
constexpr int IDM_ADD_TO_HISTORY = 32782;
constexpr int IDM_HISTORY = 32783;
// After the history: its goal.
constexpr int IDM_GOAL = 32784;

} // namespace fenwake
