#pragma once
// Control identifiers and the window class of the main window. The end-to-end test driver finds
// the controls by these, so they are part of the window's contract.

#define QENNET_WINDOW_CLASS L"QennetMainWindow"

// Play is the default button, so it carries IDOK: Enter in any field reaches it.
#define IDC_PLAY 1
#define IDC_GAMES 100
#define IDC_RENDERER_LABEL 101
#define IDC_RENDERER 102
#define IDC_CONFIG_RENDERER 103
#define IDC_CONTROLLER_LABEL 104
#define IDC_CONTROLLER 105
#define IDC_CONFIG_CONTROLLER 106
#define IDC_ROMS_LABEL 107
#define IDC_ROMS 108
#define IDC_CONFIG_ROMS 109
#define IDC_QUIT 110

// Resources.
#define IDI_QENNET 1
