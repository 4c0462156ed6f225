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
        typeText(box, text);
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

void typeText(QWidget& widget, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(&widget, char(c.unicode()));
        else // no key code of its own, as from an input method
            QTest::sendKeyEvent(QTest::Click, &widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
