#pragma once
// The IPA chart window (frmIPASymbols): 135 symbol buttons in four titled sections. The
// sections scroll when the window is smaller than they are (a small screen).

#include <QDialog>

namespace vocalith {

class IpaChartDialog : public QDialog {
    Q_OBJECT
public:
    explicit IpaChartDialog(const QString &faceFamily, QWidget *parent = nullptr);

    // The size that shows every section without scrolling.
    QSize sizeHint() const override;

signals:
    // A click on the button of chart entry index (zero-based).
    void symbolPicked(int index);

private:
    QWidget *m_sections;
};

} // namespace vocalith
