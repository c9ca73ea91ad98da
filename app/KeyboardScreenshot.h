#pragma once
// mxcalc-keyboard --screenshot: taps a key sequence on the window's keyboard (the names of
// mxcalc --keyboard --keys: space, return, backspace, shift, letters, numbers, symbols,
// else a key's title), with a pause between keys so that no two taps make a double tap,
// then renders the window into a PNG file.
#include <QString>

class KeyboardWindow;

// Nothing on success, else what went wrong.
QString KeyboardTapKeys(KeyboardWindow& window, const QString& keys);
QString KeyboardWriteScreenshot(KeyboardWindow& window, const QString& path);
