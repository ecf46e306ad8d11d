#include "editor/ui/keyboardwidget.h"

#include "editor/shortcuts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace vocalith {

namespace {

constexpr int kFaceWidth = 26;
constexpr int kFaceHeight = 26;
const char kSymbolProperty[] = "symbol";

// Buttons per row of each phoneme group, in the order of phonemeGroups().
constexpr int kGroupColumns[] = {8, 5, 3, 1, 1};

QLabel *shortcutLabel(const QString &name, const QString &symbol) {
    auto *label = new QLabel(shortcutKeyLabel(symbol));
    label->setObjectName(name);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(p);
    QFont f = label->font();
    f.setPointSizeF(f.pointSizeF() * 0.75);
    label->setFont(f);
    return label;
}

} // namespace

KeyboardWidget::KeyboardWidget(QWidget *parent) : QGroupBox(kKeyboardTitle, parent) {
    setObjectName(QStringLiteral("fraKeyboard"));
    auto *outer = new QVBoxLayout(this);
    outer->setSpacing(4);
    outer->setContentsMargins(4, 2, 4, 4);
    // One grid: a heading row, then three rows of buttons, each over its shortcut label.
    // The groups stand side by side, one empty column between two groups.
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(0);
    outer->addLayout(grid);

    const auto phonemes = phonemeButtons();
    const auto groups = phonemeGroups();
    int firstColumn = 0;
    for (size_t g = 0; g < groups.size(); ++g) {
        const ButtonGroup &group = groups[g];
        const int columns = kGroupColumns[g];
        auto *heading = new QLabel(QString::fromLatin1(group.heading));
        grid->addWidget(heading, 0, firstColumn, 1, std::max(columns, 2), Qt::AlignLeft | Qt::AlignBottom);
        for (int k = 0; k < group.count; ++k) {
            const int i = group.first + k;
            const QString symbol = QString::fromUtf16(phonemes[size_t(i)].symbol);
            QToolButton *b = makeButton(QStringLiteral("picPhoneme_%1").arg(i), symbol,
                                        QString::fromUtf16(phonemes[size_t(i)].description));
            const int row = 1 + (k / columns) * 2, column = firstColumn + k % columns;
            grid->addWidget(b, row, column);
            grid->addWidget(shortcutLabel(QStringLiteral("lblShortCut_%1").arg(i), symbol), row + 1, column);
        }
        firstColumn += columns + 1;
        grid->setColumnMinimumWidth(firstColumn - 1, 6);
    }
    grid->setColumnStretch(firstColumn, 1);

    // The symbol buttons, "/", "|" and the chart's button, each symbol button over the
    // label of its key like the phoneme buttons.
    auto *symbols = new QGridLayout;
    symbols->setHorizontalSpacing(2);
    symbols->setVerticalSpacing(0);
    const RecentSymbols initial;
    int column = 0;
    for (int i = 0; i < kSymbolButtonCount; ++i) {
        const QString symbol = initial.button(i).symbol;
        QToolButton *b = makeButton(QStringLiteral("picIPASymbol_%1").arg(i), symbol, initial.button(i).tooltip);
        m_symbolButtons << b;
        QLabel *label = shortcutLabel(QStringLiteral("lblIPASymbolKey_%1").arg(i), symbol);
        m_symbolLabels << label;
        symbols->addWidget(b, 0, column);
        symbols->addWidget(label, 1, column++);
        if (i == 0)
            symbols->setColumnMinimumWidth(column++, 4);
    }
    symbols->setColumnMinimumWidth(column++, 4);
    symbols->addWidget(makeButton(QStringLiteral("picSlash"), kSlash, {}), 0, column++);
    symbols->addWidget(makeButton(QStringLiteral("picVertical"), kVertical, {}), 0, column++);
    symbols->setColumnMinimumWidth(column++, 4);
    auto *more = new QToolButton;
    more->setObjectName(QStringLiteral("picAddIPASymbol"));
    more->setText(kShowMoreSymbols);
    more->setToolTip(kShowMoreSymbols);
    connect(more, &QToolButton::clicked, this, &KeyboardWidget::chartRequested);
    symbols->addWidget(more, 0, column++);
    symbols->setColumnStretch(column, 1);
    outer->addLayout(symbols);
    for (QToolButton *b : m_symbolButtons)
        b->setWhatsThis(kRecentSymbolsTip);
}

QToolButton *KeyboardWidget::makeButton(const QString &name, const QString &symbol, const QString &toolTip) {
    auto *b = new QToolButton;
    b->setObjectName(name);
    b->setText(keyFace(symbol));
    b->setProperty(kSymbolProperty, symbol);
    b->setToolTip(toolTip);
    b->setFixedSize(kFaceWidth, kFaceHeight);
    connect(b, &QToolButton::clicked, this,
            [this, b] { emit insertRequested(b->property(kSymbolProperty).toString()); });
    return b;
}

void KeyboardWidget::setSymbolButtons(const RecentSymbols &symbols) {
    for (int i = 0; i < kSymbolButtonCount; ++i) {
        QToolButton *b = m_symbolButtons[i];
        b->setText(keyFace(symbols.button(i).symbol));
        b->setProperty(kSymbolProperty, symbols.button(i).symbol);
        b->setToolTip(symbols.button(i).tooltip);
        m_symbolLabels[i]->setText(shortcutKeyLabel(symbols.button(i).symbol));
    }
}

void KeyboardWidget::setFaceFamily(const QString &family) {
    const QList<QToolButton *> buttons = findChildren<QToolButton *>();
    for (QToolButton *b : buttons) {
        if (b->objectName() == QLatin1String("picAddIPASymbol"))
            continue;
        QFont f = b->font();
        f.setFamily(family);
        b->setFont(f);
    }
}

} // namespace vocalith
