#pragma once
// Builds the keyboard's views from its layout: the input view holding the expression view
// with the switch and the slider over it, then one view per row of keys, in layout order
// (later rows in front, hidden as the layout says). Frames follow the layout's geometry for
// the environment's device; named rows and keys fill their outlets.
#include "keyboard/KeyboardLayout.h"
#include "keyboard/KeyboardViews.h"
#include "platform/ui/MXUIEnvironment.h"

KeyboardViews KeyboardBuildViews(const KeyboardLayout& layout, MXUIEnvironment& environment);
