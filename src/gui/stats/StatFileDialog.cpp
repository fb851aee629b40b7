#include "gui/stats/StatFileDialog.h"

#include "core/base/MessageTable.h"
#include "gui/app/MessageDlg.h"

#include <QFileDialog>
#include <QStringList>

QString ChooseDataFile(QWidget* parent, bool save, msg::Id title, msg::Id filter, const QString& proposal) {
    QFileDialog dialog(parent, Q(Msg(title)), QString(), QtFileFilter(Msg(filter)));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save) {
        dialog.setDefaultSuffix("txt");
        dialog.selectFile(proposal);
    }
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
}
