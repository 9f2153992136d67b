#pragma once

// The children of a scroll region as the scroll logic sees them: vertical extents
// that can be moved. Implemented over real widgets by the region and over plain
// numbers by the tests.
class ScrollChildren
{
public:
    virtual ~ScrollChildren() = default;
    virtual int count() const = 0;
    virtual int top(int index) const = 0;
    virtual int height(int index) const = 0;
    virtual void setTop(int index, int top) = 0;
};
