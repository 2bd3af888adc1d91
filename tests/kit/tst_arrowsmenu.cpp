#include "kit/arrowsmenu.h"
#include "kit/arrowsymbols.h"
#include "kit/pipesignalemitter.h"
#include "kit/vendrelwidgetsutils.h"
#include "widgets/dragscrolllistview.h"
#include "widgets/mvmessagebox.h"

#include <QBuffer>
#include <QFile>
#include <QFrame>
#include <QGraphicsColorizeEffect>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

// The behaviour tests run on a small database of their own, with a retired
// entry that cannot be chosen (id 3) and a vertical name in odd case (id 4).
const char* const TestSvgs[] = {
    "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 100 100'>"
    "<path fill-rule='evenodd' d='M4 4H96V96H4Z M8 8V92H92V8Z'/></svg>",
    "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 100 100'>"
    "<path d='M8 38H54V14L94 50L54 86V62H8Z'/></svg>",
    "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 100 100'>"
    "<path d='M8 30H90V70H8Z'/></svg>",
    "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 100 100'>"
    "<path d='M38 92V46H14L50 6L86 46H62V92Z'/></svg>",
    "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 100 100'>"
    "<path d='M92 38H46V14L6 50L46 86V62H92Z'/></svg>",
};
const char* const TestNames[] = {"No Arrow", "Arrow Right", "Retired", "Arrow UP", "Arrow Left"};

QImage render(const QByteArray& svg)
{
    QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(svg).render(&painter);
    return image;
}

QList<int> selectedRows(ArrowsMenu* menu)
{
    QList<int> rows;
    for (const QModelIndex& index :
         menu->findChild<DragScrollListView*>()->selectionModel()->selectedIndexes())
        rows.append(index.row());
    return rows;
}

// Runs the widget's slide animations to their end; returns how many there were.
int finishAnimations(QWidget* widget)
{
    const auto animations = widget->findChildren<QPropertyAnimation*>();
    for (QPropertyAnimation* animation : animations)
        animation->setCurrentTime(animation->duration());
    return animations.size();
}

template <typename T> QList<T> repeated(int count, const T& value)
{
    QList<T> list;
    for (int i = 0; i < count; ++i)
        list.append(value);
    return list;
}

bool isHighlighted(const QPushButton* button)
{
    const auto* effect = qobject_cast<QGraphicsColorizeEffect*>(button->graphicsEffect());
    return effect && effect->color() == QColor(255, 88, 0);
}

// What an arrow panel keeps and hands to the arrow operations.
struct ArrowPanel
{
    explicit ArrowPanel(const QString& database)
    {
        for (QPushButton* button : {left, right})
            button->setCheckable(true);
        frame->move(hidden);
        frame->hide();
        auto record = [this](char side) {
            return [this, side](unsigned int id, const QByteArray& symbol, bool vertical) {
                sides += QLatin1Char(side);
                ids.append(id);
                symbols.append(symbol);
                flags.append(vertical);
            };
        };
        QObject::connect(emitter, &PipeSignalEmitter::leftArrowChangedSignal, record('L'));
        QObject::connect(emitter, &PipeSignalEmitter::rightArrowChangedSignal, record('R'));
        window.show();
        menu = new ArrowsMenu(database, frame);
    }

    QWidget window;
    QPushButton* left = new QPushButton(&window);
    QPushButton* right = new QPushButton(&window);
    QFrame* frame = new QFrame(&window);
    PipeSignalEmitter* emitter = new PipeSignalEmitter(&window);
    ArrowsMenu* menu = nullptr;
    unsigned int leftId = 2;
    unsigned int rightId = 4;
    const QPoint hidden{-440, 0};
    const QPoint shown{0, 0};
    QString sides;
    QList<unsigned int> ids;
    QList<QByteArray> symbols;
    QList<bool> flags;
};

// Writes the behaviour tests' database; false when it cannot.
bool writeTestDatabase(const QString& path)
{
    bool written = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "writer");
        db.setDatabaseName(path);
        QSqlQuery query(db);
        written = db.open() && query.exec("PRAGMA user_version = 1") &&
                  query.exec("CREATE TABLE symbols (id INTEGER PRIMARY KEY, name TEXT, "
                             "category TEXT DEFAULT '', selectable INTEGER, svg BLOB, icon BLOB)");
        for (int i = 0; written && i < 5; ++i) {
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            render(TestSvgs[i]).save(&buffer, "PNG");
            query.prepare("INSERT INTO symbols (id, name, selectable, svg, icon) "
                          "VALUES (?, ?, ?, ?, ?)");
            for (const QVariant& value :
                 {QVariant(i + 1), QVariant(TestNames[i]), QVariant(i == 2 ? 0 : 1),
                  QVariant(QByteArray(TestSvgs[i])), QVariant(png)})
                query.addBindValue(value);
            written = query.exec();
        }
    }
    QSqlDatabase::removeDatabase("writer");
    return written;
}

} // namespace

class TestArrowsMenu : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString database() const { return m_dir.filePath(QStringLiteral("symbols.db")); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(writeTestDatabase(database()));
    }

    void databaseIsReadOncePerProcess_data()
    {
        QTest::addColumn<bool>("thereAtFirst");
        QTest::newRow("read: a later change on disk is not seen") << true;
        QTest::newRow("not there: looked for again") << false;
    }
    void databaseIsReadOncePerProcess()
    {
        QFETCH(bool, thereAtFirst);
        const QString path = m_dir.filePath(
            QString::fromLatin1(QTest::currentDataTag()).replace(QRegularExpression("\\W"), "_") +
            ".db");
        if (thereAtFirst)
            QVERIFY(writeTestDatabase(path));
        {
            const ArrowSymbols first(path);
            QCOMPARE(first.isOpen(), thereAtFirst);
        }
        if (thereAtFirst) {
            QFile damaged(path);
            QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
            damaged.write("not a database");
        } else {
            QVERIFY(writeTestDatabase(path));
        }
        const ArrowSymbols second(path);
        QVERIFY(second.isOpen());
        QCOMPARE(second.data(2), QByteArray(TestSvgs[1]));
        QVERIFY(second.selectable(2));
    }

    // Every built database: rows in id order, No Arrow first, at least a dozen
    // arrows, one-colour drawings with real coverage, and names that say up or
    // down exactly for the vertical arrows.
    void builtDatabasesHoldDrawableNamedArrows_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("pipe marker") << "vendrelsymbols";
        QTest::newRow("ammonia") << "ammovendrelsymbols";
        QTest::newRow("arrow wrap") << "arrowwrapsymbols";
    }
    void builtDatabasesHoldDrawableNamedArrows()
    {
        QFETCH(QString, folder);
        QFile file(qEnvironmentVariable("VENDREL_SOURCE_DIR") + "/data/symbols/" + folder +
                   "/manifest.json");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject manifest = QJsonDocument::fromJson(file.readAll()).object();
        const QJsonArray symbols = manifest.value("symbols").toArray();
        QVERIFY(symbols.size() >= 13);

        QWidget parent;
        ArrowsMenu menu(VendrelWidgetsUtils::getDataPath() + manifest.value("database").toString(),
                        &parent);
        const QAbstractItemModel* rows = menu.findChild<DragScrollListView*>()->model();
        QCOMPARE(rows->rowCount(), symbols.size());
        static const QRegularExpression verticalWord(QStringLiteral("\\b(up|down)\\b"),
                                                     QRegularExpression::CaseInsensitiveOption);
        for (int row = 0; row < symbols.size(); ++row) {
            const int id = row + 1;
            QCOMPARE(rows->index(row, 0).data(ArrowsMenu::SymbolIdRole).toInt(), id);
            QVERIFY(rows->index(row, 0).data(Qt::ToolTipRole).toString().isEmpty());
            QByteArray symbol;
            QString name;
            QVERIFY(menu.getSelectableSymbol(id, &symbol, nullptr, &name));
            QCOMPARE(name, symbols.at(row).toObject().value("name").toString());
            if (id == 1)
                QCOMPARE(name, QStringLiteral("No Arrow"));

            const QImage image = render(symbol);
            int inked = 0;
            for (int y = 0; y < 100; ++y) {
                for (int x = 0; x < 100; ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    inked += qAlpha(pixel) > 0;
                    QVERIFY2(qAlpha(pixel) == 0 || (pixel & 0xffffff) == 0, qPrintable(name));
                }
            }
            QVERIFY2(inked > 300, qPrintable(name));
            QVERIFY(!QImage::fromData(menu.getIcon(id)).isNull());

            const bool vertical = verticalWord.match(name).hasMatch();
            QVERIFY2(VendrelWidgetsUtils::isVerticalArrowName(name) == vertical, qPrintable(name));
            // Long arrows stand upright when vertical and lie when horizontal.
            const QSizeF box = QSvgRenderer(symbol).viewBoxF().size();
            QVERIFY2(vertical ? box.height() >= box.width() : box.width() >= box.height(),
                     qPrintable(name));
        }
    }

    void choosingAnEntry_data()
    {
        QTest::addColumn<int>("row");     // menu row, or -1 for an index of another model
        QTest::addColumn<int>("strayId"); // id of that index, -1 for an invalid index
        QTest::addColumn<QString>("name");
        QTest::newRow("selectable") << 1 << 0 << "Arrow Right";
        QTest::newRow("no arrow entry") << 0 << 0 << "No Arrow";
        QTest::newRow("not selectable") << 2 << 0 << "";
        QTest::newRow("id the database lacks") << -1 << 77 << "";
        QTest::newRow("invalid index") << -1 << -1 << "";
    }
    void choosingAnEntry()
    {
        QFETCH(int, row);
        QFETCH(int, strayId);
        QFETCH(QString, name);
        QWidget parent;
        ArrowsMenu menu(database(), &parent);
        QSignalSpy spy(&menu, &ArrowsMenu::symbolSignal);
        QStandardItemModel stray;
        stray.appendRow(new QStandardItem);
        stray.item(0)->setData(strayId, ArrowsMenu::SymbolIdRole);

        menu.symbolSelectionSlot(row >= 0
                                     ? menu.findChild<DragScrollListView*>()->model()->index(row, 0)
                                 : strayId >= 0 ? stray.index(0, 0)
                                                : QModelIndex());
        QCOMPARE(spy.count(), name.isEmpty() ? 0 : 1);
        if (name.isEmpty())
            return;
        QCOMPARE(spy.at(0).at(0).toUInt(), unsigned(row + 1));
        QCOMPARE(spy.at(0).at(1).toByteArray(), QByteArray(TestSvgs[row]));
        QVERIFY(!spy.at(0).at(2).value<QIcon>().isNull());
        QCOMPARE(spy.at(0).at(3).toString(), name);
    }

    void highlightSelectsTheRowOfTheId_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("0 clears") << 0 << QList<int>{};
        QTest::newRow("third") << 3 << QList<int>{2};
        QTest::newRow("past the end") << 6 << QList<int>{};
    }
    void highlightSelectsTheRowOfTheId()
    {
        QFETCH(int, id);
        QFETCH(QList<int>, rows);
        QWidget parent;
        ArrowsMenu menu(database(), &parent);
        menu.highlightSymbol(2);
        menu.highlightSymbol(id);
        QCOMPARE(selectedRows(&menu), rows);
    }

    void addArrowCaptionStaysInsideItsFace_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "en_US";
        QTest::newRow("German, whose second word is the longest") << "de_DE";
    }

    void addArrowCaptionStaysInsideItsFace()
    {
        QFETCH(QString, language);
        QTranslator translator;
        if (language != QLatin1String("en_US")) {
            QVERIFY(translator.load(
                QLocale(language), QStringLiteral("quillory"), QStringLiteral("_"),
                qEnvironmentVariable("MORVANTIC_DATA_ROOT") + QStringLiteral("/translations"),
                QString()));
            QCoreApplication::installTranslator(&translator);
        }
        const QImage picture = ArrowsMenu::createAddArrowIcon()
                                   .pixmap(QSize(69, 58))
                                   .toImage()
                                   .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCoreApplication::removeTranslator(&translator);
        QImage face(QStringLiteral(":/Common/Icons/CommonIcons/add-arrow.png"));
        if (face.isNull()) {
            face = QImage(picture.size(), QImage::Format_ARGB32_Premultiplied);
            face.fill(Qt::transparent);
        }
        face = face.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(picture.size(), face.size());
        // A caption cut by the edge leaves its ink in the outermost columns.
        int changed = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (picture.pixel(x, y) == face.pixel(x, y))
                    continue;
                ++changed;
                QVERIFY2(x > 0 && x < picture.width() - 1,
                         qPrintable(QStringLiteral("caption ink at the edge, x = %1").arg(x)));
            }
        }
        QVERIFY(changed > 20);
    }

    void missingDatabaseGivesAnEmptyMenuWithAddArrowPicture()
    {
        QStringList told;
        MvMessageBox::setAnswerProvider(
            [&told](const QString& title, const QString& text, QMessageBox::StandardButtons) {
                told << title + QLatin1Char('|') + text;
                return QMessageBox::Ok;
            });
        static QStringList errors;
        errors.clear();
        const QtMessageHandler handler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext&, const QString& text) {
                if (type == QtCriticalMsg)
                    errors << text;
            });
        const QString absent = m_dir.filePath(QStringLiteral("absent.db"));
        QWidget parent;
        ArrowsMenu menu(absent, &parent);
        // Every module's menu misses its symbols alike; the user hears of it once.
        ArrowsMenu second(absent, &parent);
        qInstallMessageHandler(handler);
        MvMessageBox::setAnswerProvider({});
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.first().contains(absent), qPrintable(told.first()));
        QCOMPARE(errors.filter(absent).size(), 2);

        // Asking for the no-arrow entry needs no symbol; asking for an arrow does.
        QVERIFY(!menu.symbols().isOpen());
        QVERIFY(!menu.symbols().selectable(ArrowSymbols::NoArrowSymbolId));
        QVERIFY(!ArrowSymbols::unavailableDatabases().contains(absent));
        QVERIFY(!menu.symbols().selectable(2));
        QCOMPARE(ArrowSymbols::unavailableDatabases().filter(absent).size(), 1);

        QCOMPARE(menu.findChild<DragScrollListView*>()->model()->rowCount(), 0);
        QVERIFY(!menu.getItem(2));
        QVERIFY(menu.getSymbol(2).isEmpty());
        QVERIFY(menu.getNoArrowIcon().isNull());
        // Painted on a blank picture when the image resource is missing.
        const QImage picture = menu.getAddArrowIcon().pixmap(QSize(69, 58)).toImage();
        QCOMPARE(picture.size(), QSize(69, 58));
        int inked = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                inked += qAlpha(picture.pixel(x, y)) > 0;
        QVERIFY(inked > 20);
    }

    void chosenSymbolGoesToCheckedSides_data()
    {
        QTest::addColumn<bool>("leftChecked");
        QTest::addColumn<bool>("rightChecked");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("sides");
        QTest::addColumn<bool>("vertical");
        QTest::newRow("neither") << false << false << "Arrow Up"
                                 << "" << true;
        QTest::newRow("left") << true << false << "Arrow Right"
                              << "L" << false;
        QTest::newRow("right") << false << true << "Arrow DOWN"
                               << "R" << true;
        QTest::newRow("both, left first") << true << true << "Arrow Up"
                                          << "LR" << true;
    }
    void chosenSymbolGoesToCheckedSides()
    {
        QFETCH(bool, leftChecked);
        QFETCH(bool, rightChecked);
        QFETCH(QString, name);
        QFETCH(QString, sides);
        QFETCH(bool, vertical);
        ArrowPanel panel(database());
        panel.left->setChecked(leftChecked);
        panel.right->setChecked(rightChecked);
        const QByteArray symbol(TestSvgs[4]);

        VendrelWidgetsUtils::arrowSelectedAction(5, symbol, panel.menu->getNoArrowIcon(), name,
                                                 panel.left, panel.right, panel.leftId,
                                                 panel.rightId, panel.emitter);
        QCOMPARE(panel.sides, sides);
        QCOMPARE(panel.ids, repeated(sides.size(), 5u));
        QCOMPARE(panel.symbols, repeated(sides.size(), symbol));
        QCOMPARE(panel.flags, repeated(sides.size(), vertical));
        QCOMPARE(panel.leftId, leftChecked ? 5u : 2u);
        QCOMPARE(panel.rightId, rightChecked ? 5u : 4u);
        QCOMPARE(panel.left->icon().isNull(), !leftChecked);
        QCOMPARE(panel.right->icon().isNull(), !rightChecked);
    }

    void bothArrowsOffKeepsLastTouchedSide_data()
    {
        QTest::addColumn<bool>("leftTouchedLast");
        QTest::newRow("right touched last") << false;
        QTest::newRow("left touched last") << true;
    }
    void bothArrowsOffKeepsLastTouchedSide()
    {
        QFETCH(bool, leftTouchedLast);
        ArrowPanel panel(database());
        panel.left->setChecked(true);
        panel.right->setChecked(true);
        VendrelWidgetsUtils::m_isLeftSideSelected = leftTouchedLast;
        QSignalSpy leftToggles(panel.left, &QPushButton::toggled);
        QSignalSpy rightToggles(panel.right, &QPushButton::toggled);

        VendrelWidgetsUtils::applyBothArrowsAction(false, panel.menu, panel.left, panel.right,
                                                   panel.leftId, panel.rightId, panel.emitter);
        QPushButton* kept = leftTouchedLast ? panel.left : panel.right;
        QPushButton* dropped = leftTouchedLast ? panel.right : panel.left;
        QVERIFY(kept->isChecked() && isHighlighted(kept));
        QVERIFY(!dropped->isChecked() && !dropped->graphicsEffect());
        QCOMPARE(selectedRows(panel.menu), QList<int>{leftTouchedLast ? 1 : 3});
        QVERIFY(panel.sides.isEmpty());
        // A state set by code is not a user touch.
        QCOMPARE(leftToggles.count() + rightToggles.count(), 0);
    }

    void bothArrowsOnCopiesOneSideToTheOther_data()
    {
        QTest::addColumn<bool>("rightChecked");
        QTest::addColumn<unsigned int>("from"); // id of the checked side
        QTest::addColumn<QByteArray>("symbol");
        QTest::addColumn<bool>("vertical");
        QTest::newRow("right onto left") << true << 4u << QByteArray(TestSvgs[3]) << true;
        QTest::newRow("left onto right") << false << 2u << QByteArray(TestSvgs[1]) << false;
        QTest::newRow("not selectable") << true << 3u << QByteArray() << false;
        QTest::newRow("id no database holds") << false << 4000000000u << QByteArray() << false;
        QTest::newRow("nothing chosen yet") << true << 0u << QByteArray() << false;
    }
    void bothArrowsOnCopiesOneSideToTheOther()
    {
        QFETCH(bool, rightChecked);
        QFETCH(unsigned int, from);
        QFETCH(QByteArray, symbol);
        QFETCH(bool, vertical);
        ArrowPanel panel(database());
        (rightChecked ? panel.rightId : panel.leftId) = from;
        (rightChecked ? panel.right : panel.left)->setChecked(true);

        VendrelWidgetsUtils::applyBothArrowsAction(true, panel.menu, panel.left, panel.right,
                                                   panel.leftId, panel.rightId, panel.emitter);
        QVERIFY(panel.left->isChecked() && panel.right->isChecked());
        QCOMPARE(panel.leftId, from);
        QCOMPARE(panel.rightId, from);
        QCOMPARE(panel.sides, QString(rightChecked ? "L" : "R"));
        QCOMPARE(panel.ids, QList<unsigned int>{from});
        QCOMPARE(panel.symbols, QList<QByteArray>{symbol});
        QCOMPARE(panel.flags, QList<bool>{vertical});
        QPushButton* target = rightChecked ? panel.left : panel.right;
        QVERIFY(isHighlighted(target));
        // Without a drawing the button shows the no-arrow picture.
        const QIcon expected =
            symbol.isEmpty()
                ? panel.menu->getNoArrowIcon()
                : QIcon(QPixmap::fromImage(QImage::fromData(panel.menu->getIcon(from))));
        QCOMPARE(target->icon().pixmap(40, 40).toImage(), expected.pixmap(40, 40).toImage());
        QCOMPARE(selectedRows(panel.menu),
                 from >= 1 && from <= 5 ? QList<int>{int(from) - 1} : QList<int>{});
    }

    void arrowButtonTouches_data()
    {
        QTest::addColumn<bool>("leftSide");    // the button touched
        QTest::addColumn<bool>("checked");     // its new state
        QTest::addColumn<bool>("both");        // the both-arrows box
        QTest::addColumn<bool>("otherBefore"); // the other button (frame out when checked)
        QTest::addColumn<bool>("otherAfter");
        QTest::addColumn<bool>("slides");
        QTest::newRow("left opens") << true << true << false << false << false << true;
        QTest::newRow("right opens") << false << true << false << false << false << true;
        QTest::newRow("left takes over") << true << true << false << true << false << false;
        QTest::newRow("left with both") << true << true << true << false << true << true;
        QTest::newRow("right with both") << false << true << true << false << true << true;
        QTest::newRow("left off closes") << true << false << false << true << false << true;
        QTest::newRow("right off closes") << false << false << true << true << false << true;
    }
    void arrowButtonTouches()
    {
        QFETCH(bool, leftSide);
        QFETCH(bool, checked);
        QFETCH(bool, both);
        QFETCH(bool, otherBefore);
        QFETCH(bool, otherAfter);
        QFETCH(bool, slides);
        ArrowPanel panel(database());
        QPushButton* touched = leftSide ? panel.left : panel.right;
        QPushButton* other = leftSide ? panel.right : panel.left;
        const unsigned int touchedId = leftSide ? panel.leftId : panel.rightId;
        const unsigned int otherId = leftSide ? panel.rightId : panel.leftId;
        if (otherBefore) {
            other->setChecked(true);
            VendrelWidgetsUtils::arrowHighlightAction(panel.menu, other, otherId);
            panel.frame->move(panel.shown);
            panel.frame->show();
        }
        touched->setChecked(checked);
        QSignalSpy otherToggles(other, &QPushButton::toggled);
        VendrelWidgetsUtils::m_isLeftSideSelected = !leftSide;

        (leftSide ? VendrelWidgetsUtils::leftArrowClickedAction
                  : VendrelWidgetsUtils::rightArrowClickedAction)(
            checked, panel.menu, panel.left, panel.right, panel.leftId, panel.rightId, both,
            panel.frame, panel.hidden, panel.shown);

        QCOMPARE(VendrelWidgetsUtils::m_isLeftSideSelected, leftSide);
        QCOMPARE(finishAnimations(panel.frame) > 0, slides);
        QCOMPARE(other->isChecked(), otherAfter);
        QCOMPARE(otherToggles.count(), 0);
        QCOMPARE(isHighlighted(touched), checked);
        QCOMPARE(isHighlighted(other), otherAfter);
        QCOMPARE(panel.frame->isVisible(), checked);
        QCOMPARE(panel.frame->pos(), checked ? panel.shown : panel.hidden);
        // The menu marks the id of the side highlighted last.
        QCOMPARE(selectedRows(panel.menu),
                 checked ? QList<int>{int(otherAfter ? otherId : touchedId) - 1} : QList<int>{});
        QVERIFY(panel.sides.isEmpty());
    }

    void closingTheArrowFrame_data()
    {
        QTest::addColumn<bool>("frameShown");
        QTest::newRow("shown frame closes") << true;
        QTest::newRow("hidden frame leaves the buttons") << false;
    }
    void closingTheArrowFrame()
    {
        QFETCH(bool, frameShown);
        ArrowPanel panel(database());
        for (QPushButton* button : {panel.left, panel.right}) {
            button->setChecked(true);
            VendrelWidgetsUtils::arrowHighlightAction(panel.menu, button, 2);
        }
        panel.frame->move(frameShown ? panel.shown : panel.hidden);
        panel.frame->setVisible(frameShown);

        VendrelWidgetsUtils::arrowMenuCloseAction(panel.left, panel.right, panel.frame,
                                                  panel.hidden);
        QCOMPARE(finishAnimations(panel.frame), frameShown ? 1 : 0);
        QVERIFY(!panel.frame->isVisible());
        QCOMPARE(panel.frame->pos(), panel.hidden);
        for (QPushButton* button : {panel.left, panel.right}) {
            QCOMPARE(button->isChecked(), !frameShown);
            QCOMPARE(isHighlighted(button), !frameShown);
        }
    }
};

int runArrowsMenuTests(int argc, char** argv)
{
    TestArrowsMenu test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_arrowsmenu.moc"
