// SPDX-License-Identifier: GPL-3.0-or-later
// The test program of a file of behaviour tables.
#include "driver.h"
#include "numeric/separators.h"

#include <QTest>

class Behaviour : public QObject {
    Q_OBJECT

private slots:
    void rows_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("throughX");
        // The kind of region of this session, whose groups alone it plays.
        const numeric::Separators& numbers = numeric::Separators::system();
        const QByteArray region = numbers.zero == QChar(0x0660)   ? "arabic region"
                                  : numbers.zero == QChar(0x06F0) ? "persian region"
                                  : numbers.decimal == u','       ? "comma region"
                                                                  : "";
        for (const auto& [group, rows] : tables) {
            const bool regional = QByteArray(group).contains(" region") &&
                                  !QByteArray(group).startsWith("point region");
            for (const auto& [name, steps, expected] : rows) {
                if (region.isEmpty() ? !regional : QByteArray(group).startsWith(region))
                    QTest::newRow(QByteArray(group) + ": " + name)
                        << QString::fromUtf8(steps) << QString::fromUtf8(expected)
                        << !QByteArray(group).startsWith("quick user");
            }
        }
    }
    void rows() {
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        QFETCH(bool, throughX);
        if (QGuiApplication::platformName() == u"wayland" &&
            (expected.contains(u"rect.Form1=") || expected.contains(u"rect.Form2=")))
            QSKIP("On Wayland the compositor places the windows, not the program.");
        Driver driver(throughX);
        QVERIFY(driver.start());
        const QString failedStep = driver.run(steps);
        QVERIFY2(failedStep.isEmpty(), qPrintable(failedStep));
        const QString differences = driver.check(expected);
        QVERIFY2(differences.isEmpty(), qPrintable(differences));
    }
};

QTEST_MAIN(Behaviour)
#include "behaviour_main.moc"
