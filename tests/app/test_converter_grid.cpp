#include "controls/ConverterField.h"
#include "app/FrmHOD.h"
#include "controls/ZmtDGrid.h"
#include "controls/ZmtScrollRgn.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QtTest>

using BaseConversion::Column;
Q_DECLARE_METATYPE(BaseConversion::Column)

namespace {

const QString Invalid = QStringLiteral("<Saisie non valide>");

QStringList rowTexts(const ZmtDGrid &grid, int row)
{
    return {grid.field(row, Column::Hexadecimal)->text(), grid.field(row, Column::Octal)->text(),
            grid.field(row, Column::Decimal)->text()};
}

// Types into row `row`, adding rows by typing in the last one until it exists.
void growTo(ZmtDGrid &grid, int rows)
{
    while (grid.rowCount() < rows)
        QTest::keyClicks(grid.field(grid.rowCount(), Column::Decimal), QString::number(grid.rowCount()));
}

} // namespace

class TestConverterGrid : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_window = std::make_unique<FrmHOD>();
        m_grid = m_window->converter();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void typing_data()
    {
        QTest::addColumn<Column>("column");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("row");

        QTest::newRow("decimal 255") << Column::Decimal << "255" << QStringList{"FF", "377", "255"};
        QTest::newRow("decimal 2147483648") << Column::Decimal << "2147483648" << QStringList{Invalid, Invalid, Invalid};
        QTest::newRow("hexadecimal filter") << Column::Hexadecimal << "gx1Fz" << QStringList{"1F", "37", "31"};
        QTest::newRow("emptied with backspace") << Column::Decimal << "25\b\b" << QStringList{"", "", ""};
    }

    void typing()
    {
        QFETCH(Column, column);
        QFETCH(QString, keys);
        QFETCH(QStringList, row);

        ConverterField *f = m_grid->field(1, column);
        for (const QChar key : keys) {
            if (key == u'\b')
                QTest::keyClick(f, Qt::Key_Backspace);
            else
                QTest::keyClicks(f, QString(key));
        }
        QCOMPARE(rowTexts(*m_grid, 1), row);
        // The first keystroke added row 2; a failing one adds nothing.
        QCOMPARE(m_grid->rowCount(), 2);
        QCOMPARE(rowTexts(*m_grid, 2), (QStringList{"", "", ""}));
    }

    void pasting_data()
    {
        QTest::addColumn<Column>("column");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QStringList>("row");

        // Refused whole: the row keeps what was typed before ("1").
        QTest::newRow("letters into decimal") << Column::Decimal << "12ab" << QStringList{"1", "1", "1"};
        // Accepted and converted like typing.
        QTest::newRow("hexadecimal letters") << Column::Hexadecimal << "aF" << QStringList{"1aF", "657", "431"};
    }

    void pasting()
    {
        QFETCH(Column, column);
        QFETCH(QString, clipboard);
        QFETCH(QStringList, row);

        ConverterField *f = m_grid->field(1, column);
        QTest::keyClicks(f, "1");
        QApplication::clipboard()->setText(clipboard);

        QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(rowTexts(*m_grid, 1), row);
        // The other ways in (context menu, drop) go through the same check.
        f->setText(QStringLiteral("1"));
        m_grid->field(1, column == Column::Decimal ? Column::Octal : Column::Decimal)->clear();
        f->end(false);
        f->paste();
        f->insert(clipboard);
        const bool accepted = row.at(0) != QLatin1String("1");
        QCOMPARE(f->text().size(), accepted ? 1 + 2 * clipboard.size() : 1);
    }

    void onlyTypedChangesAreConverted()
    {
        m_grid->field(1, Column::Decimal)->setText(QStringLiteral("255"));
        QCOMPARE(rowTexts(*m_grid, 1), (QStringList{"", "", "255"}));
        QCOMPARE(m_grid->rowCount(), 1);

        // Delete counts as typing.
        ConverterField *hex = m_grid->field(1, Column::Hexadecimal);
        QTest::keyClicks(hex, "1ff");
        hex->home(false);
        QTest::keyClick(hex, Qt::Key_Delete);
        QCOMPARE(rowTexts(*m_grid, 1), (QStringList{"ff", "377", "255"}));
    }

    void rowsAreAddedByTheLastRowOnly()
    {
        // A Backspace in an empty field changes nothing, so adds no row.
        QTest::keyClick(m_grid->field(1, Column::Octal), Qt::Key_Backspace);
        QCOMPARE(m_grid->rowCount(), 1);
        QTest::keyClicks(m_grid->field(1, Column::Decimal), "1");
        QCOMPARE(m_grid->rowCount(), 2);
        QTest::keyClicks(m_grid->field(1, Column::Hexadecimal), "4");
        QCOMPARE(m_grid->rowCount(), 2);
        // Emptying the last row's field counts as typing in it.
        ConverterField *last = m_grid->field(2, Column::Octal);
        QTest::keyClick(last, Qt::Key_Delete);
        QCOMPARE(m_grid->rowCount(), 2);
        QTest::keyClicks(last, "5");
        QCOMPARE(m_grid->rowCount(), 3);
        QTest::keyClick(last, Qt::Key_Backspace);
        QCOMPARE(m_grid->rowCount(), 3);
        for (const Column column : {Column::Hexadecimal, Column::Octal, Column::Decimal}) {
            ConverterField *f = m_grid->field(3, column);
            QCOMPARE(f->x(), m_grid->field(1, column)->x());
            QCOMPARE(f->y(), m_grid->field(2, column)->y() + 19);
            QCOMPARE(f->size(), QSize(129, 19));
            QVERIFY(f->isVisible());
        }
    }

    void upAndDownMoveBetweenRows()
    {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        growTo(*m_grid, 3);
        m_grid->field(1, Column::Octal)->setFocus();
        // The key, then the row it leads to: no move beyond the first or the last row.
        const QList<std::pair<Qt::Key, int>> steps{{Qt::Key_Up, 1}, {Qt::Key_Down, 2}, {Qt::Key_Down, 3},
                                                   {Qt::Key_Down, 3}, {Qt::Key_Up, 2}};
        for (const auto &[key, row] : steps) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(QApplication::focusWidget(), m_grid->field(row, Column::Octal));
        }
        QCOMPARE(m_grid->currentField(), m_grid->field(2, Column::Octal));
    }

    void typedRowStaysVisibleAsRowsGrow()
    {
        m_window->resize(m_window->minimumSize()); // about six rows high
        QApplication::processEvents();
        ZmtScrollRgn *region = m_grid->region();
        for (int row = 1; row <= 14; ++row) {
            ConverterField *f = m_grid->field(row, Column::Hexadecimal);
            QTest::keyClicks(f, "a");
            QVERIFY2(f->y() >= 0 && f->y() + f->height() <= region->contentArea()->height(),
                     qPrintable(QString::number(row)));
        }
        QVERIFY(region->verticalBar()->isVisible());
        QVERIFY(region->scrollValue() > 0);
        QCOMPARE(m_grid->field(15, Column::Octal)->y(), 14 * 19 - region->scrollValue());
        QCOMPARE(region->verticalBar()->value(), region->scrollValue());

        // Focusing a row above brings it back into view.
        m_grid->field(1, Column::Octal)->setFocus();
        QCOMPARE(m_grid->field(1, Column::Octal)->y(), 0);
        QCOMPARE(region->scrollValue(), 0);
    }

    // The bar's steps themselves are the region model's; here, that the bar,
    // the wheel and a resize move the rows.
    void barAndWheelMoveTheRows()
    {
        m_window->resize(m_window->minimumSize());
        QApplication::processEvents();
        growTo(*m_grid, 20);
        ZmtScrollRgn *region = m_grid->region();
        region->resetBar();
        QScrollBar *bar = region->verticalBar();
        const int end = 20 * 19 - region->contentArea()->height();
        QCOMPARE(bar->maximum(), end);
        using A = QAbstractSlider;
        const QList<std::pair<A::SliderAction, int>> steps{
            {A::SliderSingleStepAdd, 19}, {A::SliderSingleStepSub, 0}, {A::SliderPageStepAdd, 57},
            {A::SliderPageStepAdd, 114},  {A::SliderPageStepSub, 57},  {A::SliderToMaximum, end},
            {A::SliderPageStepAdd, end},  {A::SliderToMinimum, 0}};
        for (const auto &[action, value] : steps) {
            bar->triggerAction(action);
            QCOMPARE(region->scrollValue(), value);
            QCOMPARE(bar->value(), value);
            QCOMPARE(m_grid->field(1, Column::Hexadecimal)->y(), -value);
        }

        // A wheel turned over a field reaches the region, the fields leave it alone.
        ConverterField *f = m_grid->field(2, Column::Octal);
        const auto wheel = [f](QWidget *to, int delta) {
            QWheelEvent event(QPointF(5, 5), f->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(to, &event);
            return event.isAccepted();
        };
        QVERIFY(!wheel(f, -120));
        wheel(region, -120);
        QCOMPARE(region->scrollValue(), QApplication::wheelScrollLines() * 19);
        QCOMPARE(m_grid->field(1, Column::Hexadecimal)->y(), -region->scrollValue());
        wheel(region, 240);
        QCOMPARE(region->scrollValue(), 0);
    }

    void resizeReturnsToTheTop()
    {
        growTo(*m_grid, 30);
        ZmtScrollRgn *region = m_grid->region();
        region->resetBar();
        region->verticalBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(region->scrollValue(), 57);

        m_window->resize(m_window->width(), m_window->height() - 40);
        QCOMPARE(region->scrollValue(), 0);
        QCOMPARE(m_grid->field(1, Column::Decimal)->y(), 0);
        QCOMPARE(region->height(), m_grid->height() - 16);
        QCOMPARE(region->width(), m_grid->width() - 4);
        QCOMPARE(region->verticalBar()->maximum(), 30 * 19 - region->contentArea()->height());

        // Tall enough for every row: no bar.
        m_window->resize(m_window->width(), 30 * 19 + 60);
        QVERIFY(!region->verticalBar()->isVisible());
        QCOMPARE(region->contentArea()->width(), region->contentsRect().width());
    }

    void focusOnControlGoesToCurrentField()
    {
        {
            ZmtDGrid fresh;
            fresh.setFocus(); // nothing to go to: no error
            QVERIFY(!fresh.currentField());
        }
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        growTo(*m_grid, 2);
        m_grid->field(2, Column::Decimal)->setFocus();
        m_grid->field(1, Column::Hexadecimal)->setFocus();
        QTRY_COMPARE(m_grid->currentField(), m_grid->field(1, Column::Hexadecimal));
        m_grid->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), m_grid->field(1, Column::Hexadecimal));
    }

    // The drawn headers sit over their columns and are told, each where it is drawn.
    void headersAndAccessibility()
    {
        QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(m_grid);
        QCOMPARE(grid->role(), QAccessible::Grouping);
        QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("Convertisseur hexadécimal, octal, décimal"));
        QAccessibleInterface *region = QAccessible::queryAccessibleInterface(m_grid->region());
        QCOMPARE(region->role(), QAccessible::Pane);
        QCOMPARE(grid->indexOfChild(region), 3);
        QCOMPARE(grid->child(3), region);

        growTo(*m_grid, 2);
        const QStringList headers{"Hexadécimal", "Octal", "Décimal"};
        int left = m_grid->field(1, Column::Hexadecimal)->mapTo(m_grid, QPoint()).x();
        for (int h = 0; h < 3; ++h) {
            const QRect cell = m_grid->headerCell(h);
            QWidget *f = m_grid->field(1, Column(h));
            QCOMPARE(cell.left(), left);
            QCOMPARE(cell.right(), f->mapTo(m_grid, QPoint()).x() + f->width() - 1);
            QCOMPARE(cell.top(), 0);
            QCOMPARE(cell.bottom() + 1, m_grid->region()->y());
            left = cell.right() + 1;

            QAccessibleInterface *header = grid->child(h);
            QCOMPARE(header->role(), QAccessible::ColumnHeader);
            QCOMPARE(header->text(QAccessible::Name), headers.at(h));
            QCOMPARE(header->parent(), grid);
            QCOMPARE(grid->indexOfChild(header), h);
            QCOMPARE(header->rect(), QRect(m_grid->mapToGlobal(cell.topLeft()), cell.size()));
            QCOMPARE(grid->childAt(header->rect().center().x(), header->rect().center().y()), header);

            QAccessibleInterface *field = QAccessible::queryAccessibleInterface(m_grid->field(2, Column(h)));
            QCOMPARE(field->role(), QAccessible::EditableText);
            QCOMPARE(field->text(QAccessible::Name), headers.at(h) + QStringLiteral(", ligne 2"));
        }
    }

private:
    std::unique_ptr<FrmHOD> m_window;
    ZmtDGrid *m_grid = nullptr;
};

QTEST_MAIN(TestConverterGrid)
#include "test_converter_grid.moc"
