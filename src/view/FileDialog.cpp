#include "view/FileDialog.h"

#include <QApplication>
#include <QFileDialog>

std::string AskFileNameByDialog(const FileQuestion& question) {
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(question.title),
                       QString::fromStdString(question.folder));
    dialog.setNameFilter(QString::fromStdString(question.filterName + " (*." + question.suffix + ")"));
    dialog.setDefaultSuffix(QString::fromStdString(question.suffix));
    if (question.kind == FileQuestion::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return "";
    return dialog.selectedFiles().front().toStdString();
}
