#pragma once

namespace dicewright {

// Lets a widget class name the role in which assistive technology meets it, by class info:
//   Q_CLASSINFO("AccessibleRole", "Window")
// with any name of QAccessible::Role. A window in its role is named by its title; a label in
// the role of a notification is named by its text, so a screen reader reads the value itself.
// Qt keeps a widget's accessible interface once made, so this runs before the first window is
// created; running it again does nothing.
void InstallAccessibleInterfaces();

}  // namespace dicewright
