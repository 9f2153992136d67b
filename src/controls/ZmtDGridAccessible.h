#pragma once

#include "controls/ZmtDGrid.h"

#include <QAccessible>
#include <QAccessibleWidget>

// The converter grid for screen readers: a group whose first three children
// are its drawn column headers, followed by its real child widgets.
class ZmtDGridAccessible : public QAccessibleWidget
{
public:
    explicit ZmtDGridAccessible(ZmtDGrid *grid);
    ~ZmtDGridAccessible() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    QAccessibleInterface *header(int index) const;

    mutable QAccessible::Id m_headers[ZmtDGrid::HeaderCells] = {};
};
