#include "shell/DeferredIconStyle.h"

#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>
#include <memory>

// The style the editor runs with: the extension buttons' icons, read late, are the base
// style's own, arrow direction included; every other icon comes straight from the base.
class tst_DeferredIconStyle : public QObject
{
    Q_OBJECT
private slots:
    void icons_data()
    {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("direction");
        QTest::newRow("toolbar extension") << int(QStyle::SP_ToolBarHorizontalExtensionButton) << int(Qt::LeftToRight);
        QTest::newRow("toolbar extension, right to left")
            << int(QStyle::SP_ToolBarHorizontalExtensionButton) << int(Qt::RightToLeft);
        QTest::newRow("vertical extension") << int(QStyle::SP_ToolBarVerticalExtensionButton) << int(Qt::LeftToRight);
        QTest::newRow("a message box's icon") << int(QStyle::SP_MessageBoxWarning) << int(Qt::LeftToRight);
    }
    void icons()
    {
        QFETCH(int, icon);
        QFETCH(int, direction);
        const std::unique_ptr<QStyle> reference(QStyleFactory::create(QStringLiteral("Fusion")));
        DeferredIconStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
        const auto which = QStyle::StandardPixmap(icon);
        QStyleOption asked;
        asked.direction = Qt::LayoutDirection(direction);
        const QIcon expected = reference->standardIcon(which, &asked);
        QIcon deferred = style.standardIcon(which, &asked);
        // What the bar's option says later must not change the icon read from it.
        asked.direction = asked.direction == Qt::LeftToRight ? Qt::RightToLeft : Qt::LeftToRight;
        QVERIFY(!expected.isNull());
        for (const int side : {16, 32})
            QCOMPARE(deferred.pixmap(side).toImage(), expected.pixmap(side).toImage());
    }
};

QTEST_MAIN(tst_DeferredIconStyle)
#include "tst_DeferredIconStyle.moc"
