#pragma once
// A command button: the picture and its caption label in one widget, named after the
// picture. Its "Tag" property keeps the "1"/"0" state of panel and toggle buttons, and
// its "picture" property names the face a toggle shows ("boton" or "boton_sel").

#include <QLabel>
#include <QToolButton>

namespace vocalith {

class PictureButton : public QToolButton {
    Q_OBJECT
    Q_PROPERTY(QString Tag READ tag WRITE setTag)
    Q_PROPERTY(QString picture READ picture WRITE setPicture)

public:
    PictureButton(const QString &name, const QString &caption, const QString &toolTip = {}, QWidget *parent = nullptr);

    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }
    QString picture() const { return m_picture; }
    void setPicture(const QString &picture);

    // Colour of the caption (the label that used to lie on the picture).
    void setCaptionColour(unsigned rgb);
    unsigned captionColour() const;

private:
    QString m_tag = QStringLiteral("0");
    QString m_picture;
};

// A label that runs a command when clicked (the accent captions).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    ClickLabel(const QString &name, const QString &text, QWidget *parent = nullptr);
    void setCaptionColour(unsigned rgb);
    unsigned captionColour() const;

signals:
    void clicked();

protected:
    // The label takes its clicks: the button under it does not see them.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace vocalith
