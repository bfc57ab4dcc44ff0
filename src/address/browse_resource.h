// Resource ids of the address browse dialog, shared by the resource script
// and the code. Plain defines: the resource compiler reads this file too.
#pragma once

#define IDD_BROWSE 101
#define IDC_FUNCTION_LIST 1000
#define IDC_PARAMETER_LIST 1001
#define IDC_PARAMETER_RADIO 1002
#define IDC_FUNCTION_RADIO 1003
