#include "widgets/picturebutton.h"

#include "app/texts.h"

#include <QMouseEvent>

namespace vocalith {

namespace {

void setForeground(QWidget *w, unsigned rgb) {
    QPalette p = w->palette();
    const QColor c = QColor::fromRgb(QRgb(rgb));
    p.setColor(QPalette::ButtonText, c);
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

unsigned foreground(const QWidget *w, QPalette::ColorRole role) { return w->palette().color(role).rgb() & 0xFFFFFFu; }

} // namespace

PictureButton::PictureButton(const QString &name, const QString &caption, const QString &toolTip, QWidget *parent)
    : QToolButton(parent) {
    setObjectName(name);
    setText(caption);
    setToolTip(toolTip);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setAutoRaise(false);
}

void PictureButton::setPicture(const QString &picture) {
    m_picture = picture;
    // The selected face is the pressed look.
    setCheckable(true);
    setChecked(picture == texts::kPictureOn);
}

void PictureButton::setCaptionColour(unsigned rgb) { setForeground(this, rgb); }
unsigned PictureButton::captionColour() const { return foreground(this, QPalette::ButtonText); }

ClickLabel::ClickLabel(const QString &name, const QString &text, QWidget *parent) : QLabel(text, parent) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::setCaptionColour(unsigned rgb) { setForeground(this, rgb); }
unsigned ClickLabel::captionColour() const { return foreground(this, QPalette::WindowText); }

void ClickLabel::mousePressEvent(QMouseEvent *event) { event->accept(); }

void ClickLabel::mouseReleaseEvent(QMouseEvent *event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace vocalith
