#include "widgets/messagebox.h"

#include "app/texts.h"

#include <QMessageBox>

namespace vocalith {

void QtMessageBoxes::show(QWidget *parent, MessageKind kind, const QString &text) {
    const QMessageBox::Icon icon = kind == MessageKind::Critical      ? QMessageBox::Critical
                                   : kind == MessageKind::Information ? QMessageBox::Information
                                                                      : QMessageBox::NoIcon;
    QMessageBox box(icon, texts::kProgramName, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtMessageBoxes::question(QWidget *parent, const QString &text) {
    QMessageBox box(QMessageBox::Question, texts::kProgramName, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace vocalith
