#include "gui/dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace vornik::gui {

DialogButtons okCancelButtons(QDialog* dialog, const char* okName, const char* cancelName) {
    DialogButtons buttons;
    buttons.box = new QDialogButtonBox(dialog);
    buttons.ok = buttons.box->addButton(QDialogButtonBox::Ok);
    buttons.cancel = buttons.box->addButton(QDialogButtonBox::Cancel);
    buttons.ok->setObjectName(QString::fromLatin1(okName));
    buttons.cancel->setObjectName(QString::fromLatin1(cancelName));
    buttons.ok->setDefault(true);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}

} // namespace vornik::gui
