#pragma once

#include "controls/BaseConversion.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <vector>

class ConverterField;
class ZmtScrollRgn;

// Rows of hexadecimal, octal and decimal fields: typing in one field of a row
// rewrites the two others; typing in the last row adds a row below it.
class ZmtDGrid : public QWidget
{
    Q_OBJECT
public:
    explicit ZmtDGrid(QWidget *parent = nullptr);

    int rowCount() const { return int(m_rows.size()); }
    // Rows are numbered from 1.
    ConverterField *field(int row, BaseConversion::Column column) const;
    ConverterField *currentField() const;
    ZmtScrollRgn *region() const { return m_region; }
    // Header cell 0 to 2, in the control's pixels, and its caption.
    static constexpr int HeaderCells = 3;
    QRect headerCell(int index) const;
    static QString headerCaption(int index);

    static constexpr int MaximumRows = 32767;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void addRow();
    void convert(ConverterField *field);
    void showRowFailure(int row);
    void moveFocus(ConverterField *from, int rowDelta);
    void onFieldFocused(ConverterField *field);

    ZmtScrollRgn *m_region = nullptr;
    std::vector<std::array<ConverterField *, 3>> m_rows;
    QPointer<ConverterField> m_current;
    bool m_keyTyped = false;
};
