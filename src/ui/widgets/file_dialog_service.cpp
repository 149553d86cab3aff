#include "ui/widgets/file_dialog_service.h"

#include <QFileDialog>

namespace tonalink {

QString QtFileDialogService::getOpenFileName(QWidget* parent, const QString& caption,
                                             const QString& filter, const QString& directory) {
    QFileDialog dialog(parent, caption, directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString QtFileDialogService::getSaveFileName(QWidget* parent, const QString& caption,
                                             const QString& proposed, const QString& filter,
                                             const QString& defaultSuffix) {
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(proposed);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace tonalink
