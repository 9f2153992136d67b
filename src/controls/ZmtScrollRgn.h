#pragma once

#include <QFrame>

#include <memory>

class QScrollBar;
class ScrollRegionModel;

// Container whose children scroll vertically by moving their top. Children are
// created in contentArea(); the bar appears at the right edge when they reach
// below the visible area.
class ZmtScrollRgn : public QFrame
{
    Q_OBJECT
public:
    explicit ZmtScrollRgn(QWidget *parent = nullptr);
    ~ZmtScrollRgn() override;

    QWidget *contentArea() const { return m_client; }
    QScrollBar *verticalBar() const { return m_bar; }
    int scrollValue() const;

    void setSmallScroll(int step);
    void setLargeScroll(int step);
    int smallScroll() const;
    int largeScroll() const;

    // Pages until `child` (a widget of the content area) is fully visible, as far
    // as the range allows.
    void ensureVisible(QWidget *child);
    // Back to the top with a range measured afresh, then ensureVisible(child).
    void resetBar(QWidget *child = nullptr);
    void updateRange();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    class Children;

    void onBarAction(int action);
    void onBarReleased();
    void syncBar();
    void layoutParts();
    int indexOfChild(QWidget *child) const;

    QWidget *m_client = nullptr;
    QScrollBar *m_bar = nullptr;
    std::unique_ptr<Children> m_children;
    std::unique_ptr<ScrollRegionModel> m_model;
    bool m_shownOnce = false;
};
