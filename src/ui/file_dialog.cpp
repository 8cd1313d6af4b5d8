#include "ui/file_dialog.h"

#include "ui/wait_cursor.h"

#include <QApplication>
#include <QFileDialog>
#include <QString>
#include <QStringList>

#include <utility>

namespace {

QString ShowQtFileDialog(QWidget* pParent, int bOpen) {
    QFileDialog dialog(pParent);
    SetUpFileDialog(dialog, bOpen != 0);
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

void SetUpFileDialog(QFileDialog& dialog, bool bOpen) {
    // No title of our own: the toolkit names the dialog ("開く", "名前を付けて保存") in the
    // language of its translation.
    dialog.setAcceptMode(bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(bOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The saved document is empty: the dialog asks before it lets a save replace a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
}

QString AfxPromptFileName(int bOpen) {
    return CurrentHandler()(QApplication::activeWindow(), bOpen);
}

FileDialogHandler SetFileDialogHandler(FileDialogHandler handler) {
    FileDialogHandler previous = std::move(CurrentHandler());
    CurrentHandler() = handler ? std::move(handler) : FileDialogHandler(ShowQtFileDialog);
    return previous;
}
