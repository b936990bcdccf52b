#pragma once

#include "afx/Dialog.h"

#include <functional>
#include <string>
#include <vector>

// One step of a test, run on the dialog from inside its modal loop.
using Step = std::function<void(HWND hDlg)>;

// What DoModal returns when the steps ran out with the dialog still open.
constexpr INT_PTR ENDED_BY_TEST = 0x7E57;

// Runs the dialog modally and drives it as a user would, from inside its own
// modal loop: each step runs once the dialog is up and enabled (no box open
// over it), and the loop gets a turn between steps, so that posted keys go
// through the dialog manager. Ends the dialog after the last step if the
// steps did not; returns what DoModal returned.
INT_PTR RunModal(CDialog& dlg, std::vector<Step> steps);

// Runs steps, in the same way, on the dialog that open() runs modally over
// hOwner (a click on a button whose handler runs it). Returns whether the
// dialog ended by itself rather than after the last step.
bool RunModalOver(HWND hOwner, const std::function<void()>& open, std::vector<Step> steps);

// A control's text in the ANSI code page (as a program of that code page
// reads it), and as the control holds it.
std::string GetItemText(HWND hDlg, int nID);
std::wstring GetItemWideText(HWND hDlg, int nID);
void Click(HWND hDlg, int nID);
// Posts a key press to the focused window, as the keyboard would.
void PostKey(UINT nVirtKey);
// Holds Ctrl (and Shift) down, or lets them go, for the keys posted meanwhile.
void HoldCtrlKey(bool bDown, bool bShift = false);

// The user's acts as whole steps, for tests that only end a dialog one way or
// another: a key press, a button's click, the caption's close box.
Step Pressing(UINT nVirtKey);
Step Clicking(int nID);
Step ClosingByCloseBox();
