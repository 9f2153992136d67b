#pragma once

#include "controls/CalendarModel.h"

#include <QDate>
#include <QWidget>

class QImage;

// Month calendar control: six Monday-first weeks, a title band with the month
// and two arrows, mouse and keyboard navigation. It keeps a fixed size.
//
// change(userAction) follows every change of Value: userAction is non-zero when
// the user moved the date (arrows, keys, day click, Home) and zero when the
// host assigned Value, so hosts can set several calendars without recomputing.
class Calendar : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QDate Value READ value WRITE setValue)
    Q_PROPERTY(quint32 BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(quint32 ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(quint32 TitleBackColor READ titleBackColor WRITE setTitleBackColor)
    Q_PROPERTY(quint32 TitleForeColor READ titleForeColor WRITE setTitleForeColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(int Appearance READ appearance WRITE setAppearance)

public:
    // Which picture an arrow shows; also used to build them.
    enum class Arrow { BackEnabled, ForwardEnabled, BackDisabled, ForwardDisabled };

    explicit Calendar(QWidget *parent = nullptr);
    ~Calendar() override;

    QDate value() const { return m_model.value(); }
    // Raises change(0) even when the value is unchanged. A date outside
    // 1 January 100 .. 31 December 9999 is ignored.
    void setValue(const QDate &value);

    // Colours are 0x00BBGGRR values (0x800000nn for a system colour).
    quint32 backColor() const { return m_model.colors().back; }
    void setBackColor(quint32 color);
    quint32 foreColor() const { return m_model.colors().fore; }
    void setForeColor(quint32 color);
    quint32 titleBackColor() const { return m_model.colors().titleBack; }
    void setTitleBackColor(quint32 color);
    quint32 titleForeColor() const { return m_model.colors().titleFore; }
    void setTitleForeColor(quint32 color);

    // 0 = no border, 1 = fixed single border.
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    // 0 = flat, 1 = three-dimensional border.
    int appearance() const { return m_appearance; }
    void setAppearance(int appearance);

    void refresh();

    // The layout as drawn, for hosts and tests.
    const CalendarModel &model() const { return m_model; }
    QString titleText() const { return m_model.title(); }
    bool titleUnderlined() const { return hasFocus(); }
    // Geometry of the drawn elements in widget pixels.
    QRect cellRect(int cell) const;
    QRect arrowRect(int index) const;
    QRect titleRect() const;
    static QImage arrowImage(Arrow arrow);
    static QString arrowToolTip(int index);

    QSize sizeHint() const override;

signals:
    void dateClick(const QDate &date);
    void change(int userAction);
    void click();
    void dblClick();
    void keyDown(int keyCode, int shift);
    void keyPress(int keyAscii);
    void keyUp(int keyCode, int shift);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    enum class Target { None, Background, Title, Header, Arrow, Cell };
    struct Hit
    {
        Target target = Target::None;
        int index = -1;
    };

    Hit hitTest(const QPoint &pos) const;
    int frameWidth() const;
    void dateChanged(int userAction);
    void paintFrame(QPainter &painter) const;
    void paintTitle(QPainter &painter) const;
    void paintGrid(QPainter &painter) const;
    void setColors(const CalendarModel::Colors &colors);

    CalendarModel m_model;
    int m_borderStyle = 0;
    int m_appearance = 1;
    Hit m_pressed;
};
