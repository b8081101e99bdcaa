#include "view/FileDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QListView>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

#include "view/QtLanguage.h"
#include "view/ScreenView.h"

namespace {

// The file list's columns: the name takes what the others leave, each of them as wide as its
// text; the side bar of places as wide as its longest entry.
void FitColumns(QFileDialog& dialog) {
    for (QTreeView* list : dialog.findChildren<QTreeView*>()) {
        QHeaderView* header = list->header();
        int others = 0;
        for (int c = 1; c < header->count(); ++c) {
            list->resizeColumnToContents(c);
            others += list->columnWidth(c);
        }
        list->setColumnWidth(0, std::max(list->viewport()->width() - others, list->viewport()->width() / 3));
    }
    for (QListView* places : dialog.findChildren<QListView*>("sidebar")) {
        const int wanted = places->sizeHintForColumn(0) + 2 * places->frameWidth() + 8;
        if (places->width() < wanted) places->setMinimumWidth(wanted);
    }
}

}  // namespace

std::string AskFileNameByDialog(const FileQuestion& question) {
    UseQtLanguage(question.language);  // its buttons and labels in the game's language
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(question.title),
                       QString::fromStdString(question.folder));
    // Over windows drawn larger (their scale, or full screen), the dialog's text grows with them.
    double scale = 1;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<ScreenWindow*>(w); window && window->isVisible())
            scale = std::max(scale, window->canvas()->scale());
    // (a font given to the dialog does not reach the widgets it makes as it is shown: a style sheet
    // does), and the dialog grows as much once shown, as far as the display holds it.
    if (scale > 1) {
        const QFont font = MenuFont(scale);
        dialog.setStyleSheet(font.pointSizeF() > 0 ? QString("* { font-size: %1pt; }").arg(font.pointSizeF())
                                                   : QString("* { font-size: %1px; }").arg(font.pixelSize()));
    }
    // Qt's own dialog rather than the desktop's: it speaks the game's language, not the desktop's,
    // and grows with the game's windows. Files are listed with their size, kind and date, every
    // column wide enough for its text.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setViewMode(QFileDialog::Detail);
    QTimer::singleShot(0, &dialog, [&dialog, scale] {
        if (scale > 1) {
            const QRect area = dialog.screen()->availableGeometry();
            const QSize size = (QSizeF(dialog.size()) * scale).toSize().boundedTo(area.size() * 9 / 10);
            dialog.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, area));
        }
        FitColumns(dialog);
    });
    dialog.setNameFilter(QString::fromStdString(question.filterName + " (*." + question.suffix + ")"));
    dialog.setDefaultSuffix(QString::fromStdString(question.suffix));
    if (question.kind == FileQuestion::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        if (!question.name.empty()) dialog.selectFile(QString::fromStdString(question.name + "." + question.suffix));
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return "";
    return dialog.selectedFiles().front().toStdString();
}
