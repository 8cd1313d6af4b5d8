#pragma once

#include <functional>

class QFileDialog;
class QString;
class QWidget;

// The standard dialog that asks for a file to open (bOpen non-zero) or a name to save under.
// Returns the chosen path, or an empty string when the user cancelled.
QString AfxPromptFileName(int bOpen);

// Readies the standard dialog for opening (bOpen) or saving; a save asks before it replaces a
// file that exists.
void SetUpFileDialog(QFileDialog& dialog, bool bOpen);

// The dialog that AfxPromptFileName shows; tests put a stand-in in its place. Returns the
// previous one.
using FileDialogHandler = std::function<QString(QWidget* pParent, int bOpen)>;
FileDialogHandler SetFileDialogHandler(FileDialogHandler handler);
