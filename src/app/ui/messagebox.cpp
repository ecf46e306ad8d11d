#include "app/ui/messagebox.h"

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

} // namespace vocalith
