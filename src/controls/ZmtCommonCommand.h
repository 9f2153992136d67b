#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// A push button drawn by the program: a caption with its access key, an
// optional picture on one of four sides, an optional raised frame, a focus
// rectangle and a disabled look. Enabled, font and mouse pointer are those of
// the widget itself.
class ZmtCommonCommand : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QPixmap Picture READ picture WRITE setPicture)
    Q_PROPERTY(int Disposition READ disposition WRITE setDisposition)
    Q_PROPERTY(int Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool MultiLine READ multiLine WRITE setMultiLine)
    Q_PROPERTY(bool HasBorder READ hasBorder WRITE setHasBorder)
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)

public:
    explicit ZmtCommonCommand(QWidget *parent = nullptr);
    ~ZmtCommonCommand() override;

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    // The character after the first "&", null when the caption has none.
    QChar accessKey() const { return m_accessKey; }

    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

    // 0 above the caption, 1 below, 2 left of it, 3 right of it.
    int disposition() const { return m_disposition; }
    void setDisposition(int disposition);

    // 0 left, 1 right, 2 centre.
    int alignment() const { return m_alignment; }
    void setAlignment(int alignment);

    bool multiLine() const { return m_multiLine; }
    void setMultiLine(bool multiLine);

    bool hasBorder() const { return m_hasBorder; }
    void setHasBorder(bool hasBorder);

    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &color);
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &color);

    // The colour the caption is drawn in right now (grey when disabled).
    QColor captionColor() const;
    // The flags of the classic text-drawing call in force.
    quint32 textFlags() const { return m_textFlags; }
    bool hasFocusMark() const { return m_hasFocus; }

    QSize sizeHint() const override;

public slots:
    // Raises clicked() as a mouse click would, when enabled.
    void click();
    void refresh() { update(); }

signals:
    void clicked();
    void doubleClicked();
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void keyUp(int key, Qt::KeyboardModifiers modifiers);
    void keyPressed(const QString &text);
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void grabAccessKey();
    void paintPicture(QPainter &painter, QPoint at);
    void paintCaption(QPainter &painter, const QRect &area);
    int qtTextFlags() const;

    QString m_caption;
    QChar m_accessKey;
    int m_shortcutId = 0;
    QPixmap m_picture;
    int m_disposition = 0;
    int m_alignment = 0;
    bool m_multiLine = true;
    bool m_hasBorder = false;
    bool m_hasFocus = false;
    bool m_pressed = false;
    QColor m_backColor;
    QColor m_foreColor;
    quint32 m_textFlags = 0;
};
