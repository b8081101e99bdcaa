#include "view/FileDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

#include "view/ScreenView.h"

std::string AskFileNameByDialog(const FileQuestion& question) {
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
        QTimer::singleShot(0, &dialog, [&dialog, scale] {
            const QRect area = dialog.screen()->availableGeometry();
            const QSize size = (QSizeF(dialog.size()) * scale).toSize().boundedTo(area.size() * 9 / 10);
            dialog.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, area));
            for (QTreeView* list : dialog.findChildren<QTreeView*>()) {  // columns for the larger text
                list->setColumnWidth(0, list->viewport()->width() / 2);
                for (int c = 1; c < list->header()->count(); ++c) list->resizeColumnToContents(c);
            }
        });
    }
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
