#include "controls/ScrollBarValues.h"
#include "controls/ScrollChildren.h"
#include "controls/ScrollRegionModel.h"

#include <QtTest>

#include <vector>

namespace {

struct Extent
{
    int top;
    int height;
};

class FakeChildren : public ScrollChildren
{
public:
    explicit FakeChildren(std::vector<Extent> extents)
        : m_extents(std::move(extents))
        , m_start(m_extents)
    {
    }
    int count() const override { return int(m_extents.size()); }
    int top(int index) const override { return m_extents.at(index).top; }
    int height(int index) const override { return m_extents.at(index).height; }
    void setTop(int index, int top) override { m_extents.at(index).top = top; }

    // Every child moved up by exactly `offset` from where it started.
    bool allShiftedBy(int offset) const
    {
        for (size_t i = 0; i < m_extents.size(); ++i) {
            if (m_extents[i].top != m_start[i].top - offset)
                return false;
        }
        return true;
    }

private:
    std::vector<Extent> m_extents;
    std::vector<Extent> m_start;
};

// Rows of 285, as the converter lays them out.
std::vector<Extent> rows(int count, int height = 285)
{
    std::vector<Extent> result;
    for (int i = 0; i < count; ++i)
        result.push_back({i * height, height});
    return result;
}

ScrollBarValues bar(int min, int max, int small, int large, int value)
{
    ScrollBarValues b;
    b.setMin(min);
    b.setMax(max);
    b.setSmallChange(small);
    b.setLargeChange(large);
    b.setValue(value);
    return b;
}

// A region over `extents` in an area `inner` high, its range set.
struct Region
{
    FakeChildren children;
    ScrollRegionModel model{children};
    Region(std::vector<Extent> extents, int inner, int small = 285, int large = 855)
        : children(std::move(extents))
    {
        model.setSmallScroll(small);
        model.setLargeScroll(large);
        model.setInnerHeight(inner);
        model.updateRange();
    }
};

} // namespace

class TestScrollRegionModel : public QObject
{
    Q_OBJECT
private slots:
    void notification_data()
    {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("expected");

        // small change 10, large change 100
        QTest::newRow("line up") << 0 << 500 << 50 << 0 << 40;
        QTest::newRow("line up clamped at min") << 0 << 500 << 5 << 0 << 0;
        QTest::newRow("line up, min not zero") << 20 << 500 << 25 << 0 << 20;
        QTest::newRow("line down") << 0 << 500 << 50 << 1 << 60;
        QTest::newRow("line down clamped at max") << 0 << 500 << 495 << 1 << 500;
        QTest::newRow("page up") << 0 << 500 << 250 << 2 << 150;
        QTest::newRow("page up clamped") << 0 << 500 << 60 << 2 << 0;
        QTest::newRow("page down") << 0 << 500 << 250 << 3 << 350;
        QTest::newRow("page down clamped") << 0 << 500 << 450 << 3 << 500;
        QTest::newRow("thumb released") << 0 << 500 << 250 << 4 << 250;
        QTest::newRow("top") << 0 << 500 << 250 << 6 << 0;
        QTest::newRow("top, min not zero") << 30 << 500 << 250 << 6 << 30;
        QTest::newRow("bottom goes to min not zero") << 30 << 500 << 250 << 7 << 30;
        QTest::newRow("end of scrolling") << 0 << 500 << 250 << 8 << 250;
        QTest::newRow("code 9 ignored") << 0 << 500 << 250 << 9 << 250;
    }

    void notification()
    {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, value);
        QFETCH(int, code);
        QFETCH(int, expected);

        ScrollBarValues b = bar(min, max, 10, 100, value);
        b.handle(code);
        QCOMPARE(b.value(), expected);
    }

    void platformRange_data()
    {
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("largeChange");
        QTest::addColumn<int>("platformMaximum");

        QTest::newRow("defaults") << 100 << 1 << 100;
        QTest::newRow("converter page") << 1000 << 855 << 1854;
        QTest::newRow("zero range") << 0 << 100 << 99;
    }

    void platformRange()
    {
        QFETCH(int, max);
        QFETCH(int, largeChange);
        QFETCH(int, platformMaximum);

        const ScrollBarValues b = bar(0, max, 1, largeChange, 0);
        QCOMPARE(b.platformMaximum(), platformMaximum);
        QCOMPARE(b.pageSize(), largeChange);
        // The thumb's top at the end of the track is exactly max.
        QCOMPARE(b.platformMaximum() - b.pageSize() + 1, max);
    }

    // Change is raised when the value differs from the last one notified;
    // a tracked thumb raises Scroll each time, and stays in range.
    void changeAndScrollNotifications()
    {
        using B = ScrollBarValues;
        ScrollBarValues b = bar(0, 500, 10, 100, 0);
        int changes = 0;
        int scrolls = 0;
        b.setChangeHandler([&] { ++changes; });
        b.setScrollHandler([&] { ++scrolls; });
        struct Step
        {
            int code; // -1: the value assigned
            int position;
            int value;
            int changes;
            int scrolls;
        };
        const Step steps[] = {{-1, 0, 0, 0, 0},           {-1, 40, 40, 1, 0},         {-1, 40, 40, 1, 0},
                              {B::LineUp, 0, 30, 2, 0},    {B::ThumbPosition, 0, 30, 2, 0},
                              {B::EndScroll, 0, 30, 2, 0}, {B::Top, 0, 0, 3, 0},       {B::LineUp, 0, 0, 3, 0},
                              {B::Bottom, 0, 0, 3, 0},     {B::ThumbTrack, 123, 123, 4, 1},
                              {B::ThumbTrack, 123, 123, 4, 2}, {B::ThumbTrack, 9000, 500, 5, 3},
                              {B::ThumbTrack, -4, 0, 6, 4}};
        for (const Step &step : steps) {
            if (step.code < 0)
                b.setValue(step.position);
            else
                b.handle(step.code, step.position);
            QCOMPARE(b.value(), step.value);
            QCOMPARE(changes, step.changes);
            QCOMPARE(scrolls, step.scrolls);
        }
    }

    // Each bar action moves every child by the bar's new value.
    void actions_data()
    {
        using B = ScrollBarValues;
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<int>("innerHeight");
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<QList<int>>("values"); // after each action

        QTest::newRow("content within the region: nothing moves")
            << 3 << 900 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8} << QList<int>(9, 0);
        // 7 rows in 1000: max 995.
        QTest::newRow("pages stop at the end") << 7 << 1000 << QList<int>{B::PageDown, B::PageDown, B::PageDown, B::PageUp}
                                               << QList<int>{855, 995, 995, 140};
        // 5 rows in 1000: max 425.
        QTest::newRow("lines stay in range")
            << 5 << 1000 << QList<int>{B::LineUp, B::LineDown, B::LineDown, B::LineDown, B::LineUp, B::LineUp}
            << QList<int>{0, 285, 425, 425, 140, 0};
        QTest::newRow("top") << 20 << 1000 << QList<int>{B::PageDown, B::PageDown, B::Top} << QList<int>{855, 1710, 0};
        QTest::newRow("bottom returns to the top like top")
            << 20 << 1000 << QList<int>{B::PageDown, B::PageDown, B::Bottom} << QList<int>{855, 1710, 0};
    }

    void actions()
    {
        QFETCH(int, rowCount);
        QFETCH(int, innerHeight);
        QFETCH(QList<int>, codes);
        QFETCH(QList<int>, values);

        Region region(rows(rowCount), innerHeight);
        QCOMPARE(region.model.bar().isShown(), rowCount * 285 > innerHeight);
        for (int i = 0; i < codes.size(); ++i) {
            region.model.scroll(codes[i], 500);
            QCOMPARE(region.model.bar().value(), values[i]);
            QVERIFY(region.children.allShiftedBy(values[i]));
        }
    }

    void updateRangeUsesContentBottom_data()
    {
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<int>("innerHeight");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("max");

        QTest::newRow("no child") << 0 << 500 << false << 100;
        QTest::newRow("exactly fits") << 4 << 1140 << false << 100;
        QTest::newRow("one twip too tall") << 4 << 1139 << true << 1;
        QTest::newRow("twelve rows") << 12 << 1000 << true << 12 * 285 - 1000;
        // Far beyond 16-bit coordinates: still counted, so every row stays reachable.
        QTest::newRow("two hundred rows") << 200 << 1000 << true << 200 * 285 - 1000;
    }

    void updateRangeUsesContentBottom()
    {
        QFETCH(int, rowCount);
        QFETCH(int, innerHeight);
        QFETCH(bool, shown);
        QFETCH(int, max);

        const Region region(rows(rowCount), innerHeight);
        QCOMPARE(region.model.bar().isShown(), shown);
        QCOMPARE(region.model.bar().max(), max);
    }

    void ensureVisible_data()
    {
        QTest::addColumn<int>("pagesDownFirst");
        QTest::addColumn<int>("child");
        QTest::addColumn<int>("expectedValue");

        // 20 rows of 285 in 1000: max 4700, page 855.
        QTest::newRow("visible child stays") << 0 << 2 << 0;
        QTest::newRow("partly below") << 0 << 3 << 855;       // bottom 1140
        QTest::newRow("well below") << 0 << 9 << 2565;        // bottom 2850
        QTest::newRow("last row reaches the end") << 0 << 19 << 4700;
        QTest::newRow("above: top reaches the region") << 3 << 2 << 0;   // top 570 - 2565
        QTest::newRow("above, one page") << 3 << 6 << 1710;             // top 1710
        QTest::newRow("partly above") << 1 << 2 << 0;                   // top 570 - 855
    }

    void ensureVisible()
    {
        QFETCH(int, pagesDownFirst);
        QFETCH(int, child);
        QFETCH(int, expectedValue);

        Region region(rows(20), 1000);
        for (int i = 0; i < pagesDownFirst; ++i)
            region.model.scroll(ScrollBarValues::PageDown);

        region.model.ensureVisible(child);
        QCOMPARE(region.model.bar().value(), expectedValue);
        QVERIFY(region.children.allShiftedBy(expectedValue));
        QVERIFY(region.children.top(child) >= 0);
        QVERIFY(region.children.top(child) + region.children.height(child) <= 1000);
    }

    void ensureVisibleEndsWhenPagingCannotHelp_data()
    {
        QTest::addColumn<int>("childTop");
        QTest::addColumn<int>("childHeight");
        QTest::addColumn<int>("largeScroll");
        QTest::addColumn<int>("expectedValue");

        QTest::newRow("child taller than the region") << 300 << 2000 << 855 << 1300;
        QTest::newRow("child above the first position") << -500 << 285 << 855 << 0;
        QTest::newRow("no page step") << 1500 << 285 << 0 << 0;
    }

    void ensureVisibleEndsWhenPagingCannotHelp()
    {
        QFETCH(int, childTop);
        QFETCH(int, childHeight);
        QFETCH(int, largeScroll);
        QFETCH(int, expectedValue);

        Region region({{0, 285}, {childTop, childHeight}}, 1000, 285, largeScroll);
        region.model.ensureVisible(1); // must return
        QCOMPARE(region.model.bar().value(), expectedValue);
        QVERIFY(region.children.allShiftedBy(expectedValue));
    }

    void resetBarReturnsChildrenThenShowsChild()
    {
        Region r(rows(12), 1000);
        ScrollRegionModel &region = r.model;
        region.scroll(ScrollBarValues::PageDown);
        region.scroll(ScrollBarValues::PageDown);
        region.resetBar();
        QCOMPARE(region.bar().value(), 0);
        QVERIFY(r.children.allShiftedBy(0));
        QCOMPARE(region.bar().max(), 12 * 285 - 1000);

        // A taller region: the content fits, the bar goes away.
        region.scroll(ScrollBarValues::PageDown);
        region.setInnerHeight(5000);
        region.resetBar();
        QVERIFY(!region.bar().isShown());
        QVERIFY(r.children.allShiftedBy(0));

        region.setInnerHeight(1000);
        region.resetBar(8); // bottom 2565
        QCOMPARE(region.bar().value(), 1710);
        QVERIFY(r.children.allShiftedBy(1710));
        QCOMPARE(region.prevValue(), 855);
        region.resetBar(11); // bottom 3420: the page stops at the end of the range
        QCOMPARE(region.bar().value(), 2420);
        QVERIFY(r.children.allShiftedBy(2420));
    }
};

QTEST_GUILESS_MAIN(TestScrollRegionModel)
#include "test_scroll_region_model.moc"
