// The address browse dialog's template, shared by the resource script and
// the code: the resource ids and the controls in template order. Plain
// defines: the resource compiler reads this file too.
#pragma once

#define IDD_BROWSE 101
// OK and Cancel carry the system's IDOK and IDCANCEL.
#define IDC_BROWSE_OK 1
#define IDC_BROWSE_CANCEL 2
#define IDC_FUNCTION_LIST 1000
#define IDC_PARAMETER_LIST 1001
#define IDC_PARAMETER_RADIO 1002
#define IDC_FUNCTION_RADIO 1003

// The template's controls, in order, for a macro
// ITEM(kind, text, id, style, x, y, width, height) with kind one of
// PUSHBUTTON, AUTORADIOBUTTON (all of them one group) and DROPDOWNLIST (a
// sorted drop-down list). The style names are the system's; only the
// resource script expands them.
#define BROWSE_CONTROLS(ITEM)                                                                      \
  ITEM(PUSHBUTTON, "OK", IDC_BROWSE_OK, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 165,   \
       35, 50, 14)                                                                                 \
  ITEM(PUSHBUTTON, "Cancel", IDC_BROWSE_CANCEL,                                                    \
       WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 166, 63, 50, 14)                        \
  ITEM(DROPDOWNLIST, "", IDC_FUNCTION_LIST,                                                        \
       WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_SORT, 25, 30, 106, \
       48)                                                                                         \
  ITEM(DROPDOWNLIST, "", IDC_PARAMETER_LIST,                                                       \
       WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_SORT, 25, 75, 105, \
       41)                                                                                         \
  ITEM(AUTORADIOBUTTON, "Parameter", IDC_PARAMETER_RADIO,                                          \
       WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | BS_RIGHT, 29, 57, 67, 10)                      \
  ITEM(AUTORADIOBUTTON, "Function", IDC_FUNCTION_RADIO,                                            \
       WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | BS_RIGHT, 30, 14, 62, 10)
