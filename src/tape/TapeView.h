#pragma once

#include <QTableView>

// The grid flxCalc: shows the tape, keeps the open line in view as lines
// are appended, and turns its own keys into requests for the window.
class TapeView : public QTableView
{
    Q_OBJECT
public:
    explicit TapeView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    // Line heights and column widths (twips converted at 15 twips a pixel).
    static constexpr int ColumnWidthsTwips[4] = {700, 2000, 500, 0};

signals:
    void toggleModeRequested();
    void editRequested(int row);
    void storeRequested(int row, int memory);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void followOpenLine();
    void fitFontToColumns();
};
