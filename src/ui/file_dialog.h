#pragma once

#include <QFileDialog>
#include <functional>

class QString;
class QWidget;

// The standard dialog that asks for a file to open (bOpen) or a name to save under.
// Returns the chosen path, or an empty string when the user cancelled.
QString AfxPromptFileName(bool bOpen);

// How the standard dialog opens for opening (bOpen) or saving; a save asks before it replaces a
// file that exists.
struct FileDialogSetup {
    QFileDialog::AcceptMode nAcceptMode;
    QFileDialog::FileMode nFileMode;
    QFileDialog::Options options;
};
FileDialogSetup FileDialogSetupFor(bool bOpen);

// The dialog that AfxPromptFileName shows; tests put a stand-in in its place. Returns the
// previous one.
using FileDialogHandler = std::function<QString(QWidget* pParent, bool bOpen)>;
FileDialogHandler SetFileDialogHandler(FileDialogHandler handler);
