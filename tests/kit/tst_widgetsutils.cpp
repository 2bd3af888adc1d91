#include "kit/vendrelconstants.h"
#include "kit/vendrelwidgetsutils.h"
#include "units/defaultunitcontroller.h"
#include "units/unitconversions.h"
#include "widgets/commonlists.h"
#include "widgets/dataroot.h"
#include "widgets/mvcombobox.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPropertyAnimation>
#include <QSettings>
#include <QStandardItemModel>
#include <QTest>

#include <memory>

#include <sys/stat.h>

namespace {
QString storedFamily()
{
    return QSettings().value(VendrelConstants::FontFamilySettingKey).toString();
}

// The settings file is replaced, never rewritten in place: a new inode means it
// was written.
ino_t settingsInode()
{
    struct stat info = {};
    if (::stat(QFile::encodeName(QSettings().fileName()).constData(), &info) != 0)
        return 0;
    return info.st_ino;
}
} // namespace

class TestWidgetsUtils : public QObject
{
    Q_OBJECT

private slots:
    void foldersAreBuiltFromRootAndHome()
    {
        QCOMPARE(VendrelWidgetsUtils::getDataPath(), DataRoot::path() + QStringLiteral("Vendrel/"));
        QCOMPARE(VendrelWidgetsUtils::getDefaultConfigPath(), VendrelWidgetsUtils::getDataPath());
        const QString config = VendrelWidgetsUtils::getConfigPath();
        QVERIFY(config.startsWith(QDir::homePath() + QLatin1Char('/')));
        QVERIFY(config.endsWith(QStringLiteral(".configurations/Vendrel/")));
    }

    void damagedStoredLocaleFallsBackToEnglish()
    {
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Morvantic"),
                  QStringLiteral("QuilloryPro"))
            .setValue(QStringLiteral("locale/language"), QStringLiteral("../evil"));
        // Read once per process; this is the first read.
        QCOMPARE(VendrelWidgetsUtils::getCurrentLocaleName(), QStringLiteral("en_US"));
    }

    void localeNameMustLookLikeOne_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plain");
        QTest::newRow("english") << "en_US" << true;
        QTest::newRow("with digits") << "es_419" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("climbs folders") << "../../etc/passwd" << false;
        QTest::newRow("hyphen") << "en-US" << false;
        QTest::newRow("trailing newline") << "en_US\n" << false;
    }
    void localeNameMustLookLikeOne()
    {
        QFETCH(QString, name);
        QFETCH(bool, plain);
        QCOMPARE(VendrelWidgetsUtils::isPlainLocaleName(name), plain);
    }

    void bandPaletteRows_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("background");
        QTest::addColumn<QString>("foreground");
        QTest::newRow("first red") << 0 << "RED"
                                   << "#dc0b0b"
                                   << "#ffffff";
        QTest::newRow("orange") << 1 << "ORANGE"
                                << "#f28000"
                                << "#000000";
        QTest::newRow("yellow") << 2 << "YELLOW"
                                << "#fedb00"
                                << "#000000";
        QTest::newRow("blue") << 4 << "BLUE"
                              << "#0018a8"
                              << "#ffffff";
        QTest::newRow("gray") << 7 << "GRAY"
                              << "#a0a0a0"
                              << "#ffffff";
        QTest::newRow("black") << 8 << "BLACK"
                               << "#000000"
                               << "#ffffff";
        QTest::newRow("last white") << 9 << "WHITE"
                                    << "#ffffff"
                                    << "#000000";
    }
    void bandPaletteRows()
    {
        QFETCH(int, position);
        QFETCH(QString, name);
        QFETCH(QString, background);
        QFETCH(QString, foreground);
        // The lists are appended to, never cleared.
        QList<QString> names{QStringLiteral("kept")}, backgrounds, foregrounds;
        VendrelWidgetsUtils::createColorList(names, backgrounds, foregrounds);
        QCOMPARE(names.size(), 11);
        QCOMPARE(backgrounds.size(), 10);
        QCOMPARE(foregrounds.size(), 10);
        QCOMPARE(names.at(position + 1), name);
        QCOMPARE(backgrounds.at(position), background);
        QCOMPARE(foregrounds.at(position), foreground);
    }

    void fontFamilyComboFallsBackAndRewritesSetting_data()
    {
        const QStringList families = CommonLists::createValidFontFamilies();
        QVERIFY2(families.size() >= 2, "needs one installed family besides the suite font");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("expected");
        // The settings file is written only when the stored family changes.
        QTest::addColumn<bool>("written");
        QTest::newRow("nothing stored") << QVariant() << "_Vad Ivar" << true;
        QTest::newRow("offered family kept") << QVariant(families.at(1)) << families.at(1) << false;
        QTest::newRow("vanished family") << QVariant("No Such Family") << "_Vad Ivar" << true;
        QTest::newRow("case differs") << QVariant(families.at(1).toUpper()) << "_Vad Ivar" << true;
    }
    void fontFamilyComboFallsBackAndRewritesSetting()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, expected);
        QFETCH(bool, written);
        {
            QSettings settings;
            settings.setValue(QStringLiteral("anchor"), true);
            settings.remove(VendrelConstants::FontFamilySettingKey);
            if (stored.isValid())
                settings.setValue(VendrelConstants::FontFamilySettingKey, stored);
        }
        const ino_t before = settingsInode();
        QVERIFY(before != 0);

        std::unique_ptr<MvComboBox> combo(VendrelWidgetsUtils::createFontFamilyCombo(180));
        QCOMPARE(settingsInode() != before, written);
        QVERIFY(!combo->parent());
        QCOMPARE(combo->minimumWidth(), 180);
        QCOMPARE(combo->count(), CommonLists::createValidFontFamilies().size());
        QCOMPARE(combo->currentText(), expected);
        QCOMPARE(storedFamily(), expected);
    }

    void setFontFamilyFallsBack_data()
    {
        const QString appFamily = QApplication::font().family();
        const QStringList withSuite{QStringLiteral("_Vad Ivar"), QStringLiteral("Zeta Sans")};
        const QStringList withoutSuite{QStringLiteral("Zeta Sans"), QStringLiteral("Omega")};
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("setting"); // "-": left untouched
        QTest::newRow("offered") << withSuite << 0 << "Zeta Sans"
                                 << "Zeta Sans" << 1 << "Zeta Sans";
        QTest::newRow("already current") << withSuite << 1 << "Zeta Sans"
                                         << "Zeta Sans" << 1 << "-";
        QTest::newRow("missing") << withSuite << 1 << "Gone"
                                 << "_Vad Ivar" << 0 << "_Vad Ivar";
        QTest::newRow("missing, suite font current") << withSuite << 0 << "Gone"
                                                     << "_Vad Ivar" << 0 << "-";
        QTest::newRow("missing, no suite font") << withoutSuite << 1 << "Gone" << appFamily
                                                << withoutSuite.indexOf(appFamily) << appFamily;
    }
    void setFontFamilyFallsBack()
    {
        QFETCH(QStringList, items);
        QFETCH(int, current);
        QFETCH(QString, requested);
        QFETCH(QString, chosen);
        QFETCH(int, index);
        QFETCH(QString, setting);
        QSettings().setValue(VendrelConstants::FontFamilySettingKey, QStringLiteral("untouched"));
        MvComboBox combo(nullptr);
        combo.addItems(items);
        combo.setCurrentIndex(current);

        QString family = requested;
        VendrelWidgetsUtils::setFontFamily(&combo, family);
        QCOMPARE(family, chosen);
        QCOMPARE(combo.currentIndex(), index);
        QCOMPARE(storedFamily(),
                 setting == QLatin1String("-") ? QStringLiteral("untouched") : setting);
    }

    void unitSwitch_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("unitAfter");
        QTest::newRow("inches to millimetres") << 0 << 1 << 25.4 << 1;
        QTest::newRow("millimetres to inches") << 1 << 0 << 1.0 / 25.4 << 0;
        QTest::newRow("same unit") << 1 << 1 << 1.0 << 1;
        QTest::newRow("unknown unit changes nothing") << 0 << 2 << 1.0 << 0;
    }
    void unitSwitch()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(double, factor);
        QFETCH(int, unitAfter);
        QObject owner;
        QList<QStandardItemModel*> models;
        for (const char* unit : {"in", "mm"}) {
            models.append(new QStandardItemModel(&owner));
            for (int row = 0; row < 4; ++row)
                models.last()->appendRow(new QStandardItem(QString::number(row) + unit));
        }
        MvComboBox combo(nullptr);
        combo.setModel(models.at(from));
        combo.setCurrentIndex(2);
        UnitConversions::setCanvasUnits(UnitConversions::Units(from));
        DefaultUnitController::saveDefaultUnit(static_cast<unsigned char>(from));

        QVERIFY(qFuzzyCompare(VendrelWidgetsUtils::updateUnits(&combo, models, to), factor));
        QCOMPARE(int(UnitConversions::getCanvasUnits()), unitAfter);
        QCOMPARE(int(DefaultUnitController::getDefaultUnits()), unitAfter);
        QCOMPARE(combo.model(), models.at(unitAfter));
        QCOMPARE(combo.currentIndex(), 2);
    }

    void lineEditRescaling_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty stays empty") << "" << 25.4 << "";
        QTest::newRow("2 in to mm") << "2" << 25.4 << "50.80";
        QTest::newRow("mm back to in") << "50.80" << 1.0 / 25.4 << "2.00";
        QTest::newRow("not a number") << "abc" << 25.4 << "0.00";
    }
    void lineEditRescaling()
    {
        QFETCH(QString, text);
        QFETCH(double, factor);
        QFETCH(QString, expected);
        QLineEdit edit(text);
        VendrelWidgetsUtils::convertUnitsOnLineEdit(&edit, factor);
        QCOMPARE(edit.text(), expected);
    }

    void slideAnimationEndsAtTarget_data()
    {
        QTest::addColumn<bool>("show");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("slide in") << true << QPoint(-400, 10) << QPoint(0, 10);
        QTest::newRow("slide out") << false << QPoint(0, 10) << QPoint(-400, 10);
        QTest::newRow("hide where it stands") << false << QPoint(-400, 10) << QPoint(-400, 10);
    }
    void slideAnimationEndsAtTarget()
    {
        QFETCH(bool, show);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QWidget window;
        auto* frame = new QWidget(&window);
        frame->move(from);
        frame->setVisible(!show);
        window.show();

        if (show)
            VendrelWidgetsUtils::animatedShow(frame, from, to);
        else
            VendrelWidgetsUtils::animatedHide(frame, to);
        const auto animations = frame->findChildren<QPropertyAnimation*>();
        QCOMPARE(animations.size(), 1);
        QCOMPARE(animations.first()->propertyName(), QByteArray("pos"));
        QCOMPARE(animations.first()->duration(), 400);
        QCOMPARE(animations.first()->easingCurve().type(), QEasingCurve::Linear);
        animations.first()->setCurrentTime(399);
        QVERIFY(frame->isVisible()); // visible while it slides, both ways
        animations.first()->setCurrentTime(400);
        QCOMPARE(frame->pos(), to);
        QCOMPARE(frame->isVisible(), show);
        QTRY_VERIFY_WITH_TIMEOUT(frame->findChildren<QPropertyAnimation*>().isEmpty(), 2000);
    }
};

int runWidgetsUtilsTests(int argc, char** argv)
{
    TestWidgetsUtils test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_widgetsutils.moc"
