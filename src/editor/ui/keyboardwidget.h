#pragma once
// The on-screen IPA keyboard (fraKeyboard): 50 phoneme buttons and 13 symbol buttons, each
// over the label of its key, "/" and "|", and the button that opens the IPA chart.

#include "editor/keyboard.h"

#include <QGroupBox>
#include <QVector>

class QLabel;
class QToolButton;

namespace vocalith {

class KeyboardWidget : public QGroupBox {
    Q_OBJECT
public:
    explicit KeyboardWidget(QWidget *parent = nullptr);

    // Shows the symbol buttons' symbols and tooltips.
    void setSymbolButtons(const RecentSymbols &symbols);
    // The font family of the button faces.
    void setFaceFamily(const QString &family);

signals:
    void insertRequested(const QString &text);
    void chartRequested();

private:
    QToolButton *makeButton(const QString &name, const QString &symbol, const QString &toolTip);
    QVector<QToolButton *> m_symbolButtons;
    QVector<QLabel *> m_symbolLabels; // the key of each symbol button's symbol
};

} // namespace vocalith
