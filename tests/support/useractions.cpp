#include "useractions.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

bool typeInto(QLineEdit& box, const QString& text) {
    QTest::mouseClick(&box, Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return QApplication::focusWidget() == &box; }))
        return false;
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(&box, Qt::Key_Delete);
    else
        QTest::keyClicks(&box, text);
    return box.text() == text;
}

bool chooseItem(QComboBox& combo, const QString& text) {
    QTest::mouseClick(combo.lineEdit(), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return QApplication::focusWidget() == &combo; }))
        return false;
    const int item = combo.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (item >= 0) {
        combo.setCurrentIndex(-1); // the arrow keys then count from the top
        for (int i = 0; i <= item; ++i)
            QTest::keyClick(&combo, Qt::Key_Down);
    } else {
        QTest::keyClick(combo.lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(combo.lineEdit(), text);
    }
    return combo.currentText() == text;
}
