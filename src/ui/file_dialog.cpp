#include "ui/file_dialog.h"

#include "ui/wait_cursor.h"

#include <QApplication>
#include <QFileDialog>
#include <QString>
#include <QStringList>

#include <utility>

namespace {

QString ShowQtFileDialog(QWidget* pParent, bool bOpen) {
    QFileDialog dialog(pParent);
    const FileDialogSetup setup = FileDialogSetupFor(bOpen);
    dialog.setAcceptMode(setup.nAcceptMode);
    dialog.setFileMode(setup.nFileMode);
    dialog.setOptions(setup.options);
    const CArrowOverWaitCursor arrow;
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.front();
}

FileDialogHandler& CurrentHandler() {
    static FileDialogHandler handler = ShowQtFileDialog;
    return handler;
}

} // namespace

FileDialogSetup FileDialogSetupFor(bool bOpen) {
    // No title of our own: the toolkit names the dialog ("開く", "名前を付けて保存") in the
    // language of its translation. The saved document is empty: the dialog asks before it lets
    // a save replace a file (no DontConfirmOverwrite).
    return {bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave,
            bOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile, QFileDialog::Options()};
}

QString AfxPromptFileName(bool bOpen) {
    return CurrentHandler()(QApplication::activeWindow(), bOpen);
}

FileDialogHandler SetFileDialogHandler(FileDialogHandler handler) {
    FileDialogHandler previous = std::move(CurrentHandler());
    CurrentHandler() = handler ? std::move(handler) : FileDialogHandler(ShowQtFileDialog);
    return previous;
}
