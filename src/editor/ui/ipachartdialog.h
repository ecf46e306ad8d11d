#pragma once
// The IPA chart window (frmIPASymbols): 135 symbol buttons in four titled sections.

#include <QDialog>

namespace vocalith {

class IpaChartDialog : public QDialog {
    Q_OBJECT
public:
    explicit IpaChartDialog(const QString &faceFamily, QWidget *parent = nullptr);

signals:
    // A click on the button of chart entry index (zero-based).
    void symbolPicked(int index);
};

} // namespace vocalith
