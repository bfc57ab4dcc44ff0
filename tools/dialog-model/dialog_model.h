// The in-process dialog model that stands in for the real dialog where there
// is no Windows user interface, for the tests and the console. A program
// linked with it lends the driver its dialogs (platform/dialog_host.h). It
// knows the controls of the driver's browse template, keeps their state
// (list items in sorted order, selections, enabled flags, radio checks) and
// delivers the same messages the real dialog would to the dialog procedure.
//
// Nobody sits at the model's screen unless a user is installed: without one
// a dialog cannot be shown. A user is called once the dialog has been
// initialised and acts through the functions below; a dialog still open when
// the user returns is closed as with the Escape key (a Cancel command).
// Message boxes are recorded and answered with OK at once.
#pragma once

#include <stdint.h>

#include "platform/dialog_host.h"

extern "C" {

// The dialog operations lent to the driver, exported from the program under
// this name (kDialogHostSymbol).
const VpiDialogOperations* VpiDialogHost(void);

typedef void (*VpiModelUser)(void* context, void* dialog);

// Installs the user (null: nobody there).
void VpiModelSetUser(VpiModelUser user, void* context);

// Acting as the user; 1 when done, 0 when the control is missing, disabled
// or the dialog has ended. Picking selects the item with exactly that text
// and notifies a selection change; pressing clicks a button (a radio button
// becomes the checked one of its group) and notifies the click.
int VpiModelPick(void* dialog, int listId, const char* text);
int VpiModelPress(void* dialog, int buttonId);

// Looking at the open dialog. Lists show their items sorted; an index or id
// that does not exist gives -1, 0 or null.
int VpiModelListCount(void* dialog, int listId);
const char* VpiModelListItem(void* dialog, int listId, int index);
// The same items in the order they were added.
const char* VpiModelListAdded(void* dialog, int listId, int index);
const char* VpiModelListSelection(void* dialog, int listId);  // null: none
int VpiModelIsEnabled(void* dialog, int controlId);
int VpiModelIsChecked(void* dialog, int buttonId);
int VpiModelIsOpen(void* dialog);

// What the last shown dialog saw, kept after it closed.
typedef struct VpiModelRun {
  int shown;           // dialogs shown so far in the process
  int refused;         // dialogs asked for but not shown
  int templateId;      // of the last one shown
  void* owner;         // its owner window
  intptr_t result;     // the value it ended with
  int closedByEscape;  // the user left it open
  int messageBoxes;    // boxes shown while it was open
  void* boxOwner;      // of the last box
  char boxText[64];    // of the last box
  char boxTitle[32];   // of the last box
} VpiModelRun;
const VpiModelRun* VpiModelLastRun(void);

}  // extern "C"
