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
        QTest::newRow("hexadecimal 7FFFFFFF")
            << Column::Hexadecimal << "7FFFFFFF" << QStringList{"7FFFFFFF", "17777777777", "2147483647"};
        QTest::newRow("decimal 2147483648") << Column::Decimal << "2147483648" << QStringList{Invalid, Invalid, Invalid};
        QTest::newRow("decimal filter") << Column::Decimal << "1a-2,.+ 3" << QStringList{"7B", "173", "123"};
        QTest::newRow("hexadecimal filter") << Column::Hexadecimal << "gx1Fz" << QStringList{"1F", "37", "31"};
        QTest::newRow("emptied with backspace")
            << Column::Decimal << "25\b\b" << QStringList{"", "", ""};
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
        QTest::newRow("prefix into hexadecimal") << Column::Hexadecimal << "0xff" << QStringList{"1", "1", "1"};
        // Accepted and converted like typing.
        QTest::newRow("digits into decimal") << Column::Decimal << "23" << QStringList{"7B", "173", "123"};
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

    void markerCanBeDeletedAndTypedAfter()
    {
        ConverterField *dec = m_grid->field(1, Column::Decimal);
        QTest::keyClicks(dec, "99999999999");
        QCOMPARE(rowTexts(*m_grid, 1), (QStringList{Invalid, Invalid, Invalid}));

        // A digit after the marker fails again.
        QTest::keyClicks(dec, "7");
        QCOMPARE(rowTexts(*m_grid, 1), (QStringList{Invalid, Invalid, Invalid}));

        // What remains after a Backspace is not a number either.
        dec->end(false);
        QTest::keyClick(dec, Qt::Key_Backspace);
        QCOMPARE(rowTexts(*m_grid, 1), (QStringList{Invalid, Invalid, Invalid}));

        // Typed over, the marker goes and the row converts again.
        ConverterField *oct = m_grid->field(1, Column::Octal);
        oct->selectAll();
        QTest::keyClicks(oct, "100");
        QCOMPARE(rowTexts(*m_grid, 1), (QStringList{"40", "100", "64"}));
        // Deleting the whole marker is an edit like any other.
        QTest::keyClicks(dec, "99999999999");
        dec->selectAll();
        QTest::keyClick(dec, Qt::Key_Delete);
        QCOMPARE(rowTexts(*m_grid, 1), (QStringList{"", "", ""}));
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

    void backspaceInEmptyFieldThenEdit()
    {
        ConverterField *oct = m_grid->field(1, Column::Octal);
        QTest::keyClick(oct, Qt::Key_Backspace);
        QCOMPARE(rowTexts(*m_grid, 1), (QStringList{"", "", ""}));
        QCOMPARE(m_grid->rowCount(), 1);
        QTest::keyClicks(oct, "10");
        QCOMPARE(rowTexts(*m_grid, 1), (QStringList{"8", "10", "8"}));
        QCOMPARE(m_grid->rowCount(), 2);
    }

    void rowsAreAddedByTheLastRowOnly()
    {
        QTest::keyClicks(m_grid->field(1, Column::Decimal), "1");
        QCOMPARE(m_grid->rowCount(), 2);
        QTest::keyClicks(m_grid->field(1, Column::Decimal), "23");
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
        QTest::keyClicks(m_grid->field(3, Column::Hexadecimal), "c");
        QCOMPARE(m_grid->rowCount(), 4);
        for (int row = 2; row <= 4; ++row) {
            for (const Column column : {Column::Hexadecimal, Column::Octal, Column::Decimal}) {
                ConverterField *f = m_grid->field(row, column);
                QCOMPARE(f->x(), m_grid->field(1, column)->x());
                QCOMPARE(f->y(), m_grid->field(row - 1, column)->y() + 19);
                QCOMPARE(f->size(), QSize(129, 19));
                QVERIFY(f->isVisible());
            }
        }
    }

    void upAndDownMoveBetweenRows()
    {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        growTo(*m_grid, 3);

        ConverterField *start = m_grid->field(1, Column::Octal);
        start->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), start);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), start);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), m_grid->field(2, Column::Octal));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), m_grid->field(3, Column::Octal));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), m_grid->field(3, Column::Octal));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), m_grid->field(2, Column::Octal));
        QCOMPARE(m_grid->currentField(), m_grid->field(2, Column::Octal));
    }

    void typedRowStaysVisibleAsRowsGrow()
    {
        m_window->resize(m_window->minimumSize()); // about six rows high
        QApplication::processEvents();
        ZmtScrollRgn *region = m_grid->region();
        QWidget *area = region->contentArea();

        for (int row = 1; row <= 14; ++row) {
            ConverterField *f = m_grid->field(row, Column::Hexadecimal);
            QTest::keyClicks(f, "a");
            QCOMPARE(m_grid->rowCount(), row + 1);
            QVERIFY2(f->y() >= 0 && f->y() + f->height() <= area->height(), qPrintable(QString::number(row)));
        }
        QVERIFY(region->verticalBar()->isVisible());
        QVERIFY(region->scrollValue() > 0);
        // Every row moved by the same amount: row 1 is exactly `value` above the top.
        QCOMPARE(m_grid->field(1, Column::Decimal)->y(), -region->scrollValue());
        QCOMPARE(m_grid->field(15, Column::Octal)->y(), 14 * 19 - region->scrollValue());
        QCOMPARE(region->verticalBar()->value(), region->scrollValue());
        QCOMPARE(region->verticalBar()->maximum(), 15 * 19 - area->height());
        QCOMPARE(region->verticalBar()->pageStep(), 57);

        // Focusing a row above brings it back into view.
        m_grid->field(1, Column::Octal)->setFocus();
        QCOMPARE(m_grid->field(1, Column::Octal)->y(), 0);
        QCOMPARE(region->scrollValue(), 0);
    }

    void barActionsMoveTheRows_data()
    {
        QTest::addColumn<QList<int>>("actions");
        QTest::addColumn<int>("expected"); // -1 for the end of the range

        using A = QAbstractSlider;
        QTest::newRow("line down") << QList<int>{A::SliderSingleStepAdd} << 19;
        QTest::newRow("line up at top") << QList<int>{A::SliderSingleStepSub} << 0;
        QTest::newRow("two pages") << QList<int>{A::SliderPageStepAdd, A::SliderPageStepAdd} << 114;
        QTest::newRow("page up") << QList<int>{A::SliderPageStepAdd, A::SliderPageStepAdd, A::SliderPageStepSub} << 57;
        QTest::newRow("to maximum") << QList<int>{A::SliderToMaximum} << -1;
        QTest::newRow("to minimum") << QList<int>{A::SliderToMaximum, A::SliderToMinimum} << 0;
        QTest::newRow("many pages stop at the end") << QList<int>(20, A::SliderPageStepAdd) << -1;
    }

    void barActionsMoveTheRows()
    {
        QFETCH(QList<int>, actions);
        QFETCH(int, expected);

        m_window->resize(m_window->minimumSize());
        QApplication::processEvents();
        growTo(*m_grid, 20);
        ZmtScrollRgn *region = m_grid->region();
        region->resetBar();
        QScrollBar *bar = region->verticalBar();
        QVERIFY(bar->isVisible());
        const int end = 20 * 19 - region->contentArea()->height();
        if (expected < 0)
            expected = end;

        for (int action : actions)
            bar->triggerAction(QAbstractSlider::SliderAction(action));
        QCOMPARE(region->scrollValue(), expected);
        QCOMPARE(bar->value(), expected);
        QCOMPARE(m_grid->field(1, Column::Hexadecimal)->y(), -expected);
        QCOMPARE(m_grid->field(20, Column::Decimal)->y(), 19 * 19 - expected);
    }

    void wheelOverRowsScrolls()
    {
        m_window->resize(m_window->minimumSize());
        QApplication::processEvents();
        growTo(*m_grid, 20);
        ZmtScrollRgn *region = m_grid->region();
        region->resetBar();
        // A wheel turned over a field reaches the region, the fields leave it alone.
        ConverterField *f = m_grid->field(2, Column::Octal);
        QWheelEvent probe(QPointF(5, 5), f->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f, &probe);
        QVERIFY(!probe.isAccepted());

        const QPoint at(5, 5);
        QWheelEvent down(at, f->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(region, &down);
        const int lines = QApplication::wheelScrollLines();
        QCOMPARE(region->scrollValue(), lines * 19);
        QCOMPARE(m_grid->field(1, Column::Hexadecimal)->y(), -lines * 19);

        QWheelEvent up(at, f->mapToGlobal(at), QPoint(), QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
        QApplication::sendEvent(region, &up);
        QCOMPARE(region->scrollValue(), 0);
        QCOMPARE(m_grid->field(1, Column::Hexadecimal)->y(), 0);
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
        QCOMPARE(m_grid->region()->height(), m_grid->height() - 16);
        QCOMPARE(m_grid->region()->width(), m_grid->width() - 4);
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
            QVERIFY(!fresh.currentField());
            fresh.setFocus(); // nothing to go to: no error
            QVERIFY(!fresh.currentField());
        }
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        growTo(*m_grid, 2);
        ConverterField *f = m_grid->field(2, Column::Decimal);
        f->setFocus();
        QTRY_COMPARE(m_grid->currentField(), f);
        m_grid->field(1, Column::Hexadecimal)->setFocus();
        QTRY_COMPARE(m_grid->currentField(), m_grid->field(1, Column::Hexadecimal));
        m_grid->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), m_grid->field(1, Column::Hexadecimal));
    }

    void headerCellsSitOverTheColumns()
    {
        for (int i = 0; i < 3; ++i) {
            const QRect cell = m_grid->headerCell(i);
            QWidget *f = m_grid->field(1, Column(i));
            const QRect field(f->mapTo(m_grid, QPoint(0, 0)), f->size());
            QCOMPARE(cell.right(), field.right());
            QCOMPARE(cell.top(), 0);
            QCOMPARE(cell.bottom() + 1, m_grid->region()->y());
        }
        QCOMPARE(m_grid->headerCell(0).left(), m_grid->field(1, Column::Hexadecimal)->mapTo(m_grid, QPoint()).x());
        QCOMPARE(m_grid->headerCell(1).left(), m_grid->headerCell(0).right() + 1);
        QCOMPARE(m_grid->headerCell(2).left(), m_grid->headerCell(1).right() + 1);
    }

    void accessibility()
    {
        QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(m_grid);
        QVERIFY(grid);
        QCOMPARE(grid->role(), QAccessible::Grouping);
        QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("Convertisseur hexadécimal, octal, décimal"));
        QCOMPARE(grid->text(QAccessible::Description), QStringLiteral("Colonnes : Hexadécimal, Octal, Décimal"));

        QAccessibleInterface *region = QAccessible::queryAccessibleInterface(m_grid->region());
        QVERIFY(region);
        QCOMPARE(region->role(), QAccessible::Pane);
        QCOMPARE(region->text(QAccessible::Name), QStringLiteral("Lignes de conversion"));
        QCOMPARE(grid->indexOfChild(region), 3);
        QCOMPARE(grid->child(3), region);

        // The drawn headers come first, each where it is drawn.
        const QStringList headers{"Hexadécimal", "Octal", "Décimal"};
        for (int h = 0; h < 3; ++h) {
            QAccessibleInterface *header = grid->child(h);
            QVERIFY(header);
            QCOMPARE(header->role(), QAccessible::ColumnHeader);
            QCOMPARE(header->text(QAccessible::Name), headers.at(h));
            QCOMPARE(header->parent(), grid);
            QCOMPARE(grid->indexOfChild(header), h);
            const QRect cell = m_grid->headerCell(h);
            QCOMPARE(header->rect(), QRect(m_grid->mapToGlobal(cell.topLeft()), cell.size()));
            QCOMPARE(grid->childAt(header->rect().center().x(), header->rect().center().y()), header);
        }

        growTo(*m_grid, 2);
        const QStringList expected{"Hexadécimal, ligne 2", "Octal, ligne 2", "Décimal, ligne 2"};
        for (int c = 0; c < 3; ++c) {
            QAccessibleInterface *field = QAccessible::queryAccessibleInterface(m_grid->field(2, Column(c)));
            QCOMPARE(field->role(), QAccessible::EditableText);
            QCOMPARE(field->text(QAccessible::Name), expected.at(c));
        }
    }

private:
    std::unique_ptr<FrmHOD> m_window;
    ZmtDGrid *m_grid = nullptr;
};

QTEST_MAIN(TestConverterGrid)
#include "test_converter_grid.moc"
