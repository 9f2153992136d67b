#include "controls/ZmtScrollRgn.h"

#include "controls/ConverterAccessibility.h"
#include "controls/ScrollChildren.h"
#include "controls/ScrollRegionModel.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QWheelEvent>

#include <vector>

// The direct child widgets of the content area, listed afresh before each
// operation so that rows added since the last one are counted.
class ZmtScrollRgn::Children : public ScrollChildren
{
public:
    explicit Children(QWidget *client) : m_client(client) { }
    void refresh()
    {
        m_widgets.clear();
        for (QObject *object : m_client->children()) {
            if (object->isWidgetType())
                m_widgets.push_back(static_cast<QWidget *>(object));
        }
    }
    int indexOf(QWidget *widget) const
    {
        for (size_t i = 0; i < m_widgets.size(); ++i) {
            if (m_widgets[i] == widget)
                return int(i);
        }
        return -1;
    }
    int count() const override { return int(m_widgets.size()); }
    int top(int index) const override { return m_widgets.at(index)->y(); }
    int height(int index) const override { return m_widgets.at(index)->height(); }
    void setTop(int index, int top) override
    {
        QWidget *widget = m_widgets.at(index);
        widget->move(widget->x(), top);
    }

private:
    QWidget *m_client;
    std::vector<QWidget *> m_widgets;
};

ZmtScrollRgn::ZmtScrollRgn(QWidget *parent)
    : QFrame(parent),
      m_client(new QWidget(this)),
      m_bar(new QScrollBar(Qt::Vertical, this)),
      m_children(std::make_unique<Children>(m_client)),
      m_model(std::make_unique<ScrollRegionModel>(*m_children))
{
    installConverterAccessibility();
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    m_client->setBackgroundRole(QPalette::Button);
    m_bar->setAccessibleName(QStringLiteral("Défilement vertical"));
    m_bar->hide();
    connect(m_bar, &QAbstractSlider::actionTriggered, this, &ZmtScrollRgn::onBarAction);
    connect(m_bar, &QAbstractSlider::sliderReleased, this, &ZmtScrollRgn::onBarReleased);
}

ZmtScrollRgn::~ZmtScrollRgn() = default;

int ZmtScrollRgn::scrollValue() const { return m_model->bar().value(); }

void ZmtScrollRgn::setSmallScroll(int step)
{
    m_model->setSmallScroll(step);
    syncBar();
}

void ZmtScrollRgn::setLargeScroll(int step)
{
    m_model->setLargeScroll(step);
    syncBar();
}

int ZmtScrollRgn::smallScroll() const { return m_model->smallScroll(); }

int ZmtScrollRgn::largeScroll() const { return m_model->largeScroll(); }

int ZmtScrollRgn::indexOfChild(QWidget *child) const
{
    while (child && child->parentWidget() != m_client)
        child = child->parentWidget();
    return child ? m_children->indexOf(child) : -1;
}

void ZmtScrollRgn::ensureVisible(QWidget *child)
{
    m_children->refresh();
    const int index = indexOfChild(child);
    if (index >= 0)
        m_model->ensureVisible(index);
    syncBar();
}

void ZmtScrollRgn::resetBar(QWidget *child)
{
    m_children->refresh();
    m_model->setInnerHeight(m_client->height());
    const int index = indexOfChild(child);
    m_model->resetBar(index >= 0 ? std::optional<int>(index) : std::nullopt);
    syncBar();
}

void ZmtScrollRgn::updateRange()
{
    m_children->refresh();
    m_model->setInnerHeight(m_client->height());
    m_model->updateRange();
    syncBar();
}

void ZmtScrollRgn::onBarAction(int action)
{
    int code = -1;
    int track = 0;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: code = ScrollBarValues::LineUp; break;
    case QAbstractSlider::SliderSingleStepAdd: code = ScrollBarValues::LineDown; break;
    case QAbstractSlider::SliderPageStepSub: code = ScrollBarValues::PageUp; break;
    case QAbstractSlider::SliderPageStepAdd: code = ScrollBarValues::PageDown; break;
    case QAbstractSlider::SliderToMinimum: code = ScrollBarValues::Top; break;
    case QAbstractSlider::SliderToMaximum:
        // The bottom code returns to the top (resetting relies on it); a user who
        // asks for the bottom gets the end of the range instead.
        code = ScrollBarValues::ThumbTrack;
        track = m_model->bar().max();
        break;
    case QAbstractSlider::SliderMove:
        code = ScrollBarValues::ThumbTrack;
        track = m_bar->sliderPosition();
        break;
    default: return;
    }
    m_children->refresh();
    m_model->scroll(code, track);
    // Inside this signal the slider takes the position we set as its new value.
    m_bar->setSliderPosition(m_model->bar().value());
}

void ZmtScrollRgn::onBarReleased()
{
    m_children->refresh();
    m_model->scroll(ScrollBarValues::EndScroll);
    syncBar();
}

void ZmtScrollRgn::syncBar()
{
    const ScrollBarValues &values = m_model->bar();
    {
        const QSignalBlocker blocker(m_bar);
        m_bar->setRange(values.min(), std::max(values.min(), values.max()));
        m_bar->setPageStep(values.pageSize());
        m_bar->setSingleStep(values.smallChange());
        m_bar->setValue(values.value());
    }
    if (m_bar->isVisibleTo(this) != values.isShown()) {
        m_bar->setVisible(values.isShown());
        layoutParts();
    }
}

void ZmtScrollRgn::layoutParts()
{
    const QRect area = contentsRect();
    if (m_model->bar().isShown()) {
        const int barWidth = m_bar->sizeHint().width();
        m_bar->setGeometry(area.right() - barWidth + 1, area.top(), barWidth, area.height());
        m_client->setGeometry(area.adjusted(0, 0, -barWidth, 0));
    } else {
        m_client->setGeometry(area);
    }
}

void ZmtScrollRgn::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    layoutParts();
    if (m_shownOnce)
        resetBar();
}

void ZmtScrollRgn::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    if (m_shownOnce)
        return;
    // Before the first showing the children's places are not final.
    m_shownOnce = true;
    layoutParts();
    updateRange();
}

void ZmtScrollRgn::wheelEvent(QWheelEvent *event)
{
    if (m_bar->isVisibleTo(this))
        QCoreApplication::sendEvent(m_bar, event);
    else
        event->ignore();
}
