// Every menu bar and tool bar builds a hidden overflow button, and Qt reads that
// button's icon from image files at once; reading the first image loads every
// image-format plug-in. That costs a start-up a few milliseconds for a button that
// shows only when a window is too narrow for its menus or tools. The style installed
// here hands out that icon as a stand-in that reads the real one when it is first
// drawn or measured.
#pragma once

class QApplication;

namespace puzzles {

// Makes a proxy of the style Qt would have chosen (a -style argument included) the
// application's style; call once the QApplication exists, before any window.
void InstallDeferredExtensionIcons(QApplication& app);

} // namespace puzzles
